# Packages made with CPack from a build folder. On Debian and its derivatives:
#   cmake --build build && cd build && cpack -G DEB
# makes kintroa_<version>-<release>_<arch>.deb. Its version, maintainer, home
# page, release date and legal notice come from the version record in the
# top-level CMakeLists.txt. The Windows installer: cmake/WindowsPackage.cmake.

set(CPACK_PACKAGE_NAME kintroa)
set(CPACK_PACKAGE_VENDOR "${KINTROA_COMPANY}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${KINTROA_COMPANY} authors <${KINTROA_EMAIL}>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://${KINTROA_WEB}/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "introduction to romanized typing of four Indian scripts")
set(CPACK_STRIP_FILES ON)

if(UNIX AND NOT APPLE)
    include(GNUInstallDirs)
    set(kintroa_debian_dir ${PROJECT_BINARY_DIR}/debian)

    # Compressed files are made at configure time, so that `cmake --install`
    # works after building the program alone; -n keeps them reproducible.
    find_program(KINTROA_GZIP gzip REQUIRED)
    function(kintroa_gzip input output)
        execute_process(COMMAND ${KINTROA_GZIP} -9n -c ${input}
                        OUTPUT_FILE ${output} COMMAND_ERROR_IS_FATAL ANY)
    endfunction()

    # The manual page.
    configure_file(${PROJECT_SOURCE_DIR}/dist/kintroa.1.in ${PROJECT_BINARY_DIR}/dist/kintroa.1 @ONLY)
    kintroa_gzip(${PROJECT_BINARY_DIR}/dist/kintroa.1 ${PROJECT_BINARY_DIR}/dist/kintroa.1.gz)
    install(FILES ${PROJECT_BINARY_DIR}/dist/kintroa.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

    # The release date as Debian's changelog writes it, e.g. "Tue, 08 Dec 2026".
    string(REGEX MATCH "^([0-9]+)-0*([0-9]+)-0*([0-9]+)$" date_parts "${KINTROA_RELEASE_DATE}")
    if(NOT date_parts)
        message(FATAL_ERROR "KINTROA_RELEASE_DATE must be YYYY-MM-DD, not '${KINTROA_RELEASE_DATE}'")
    endif()
    # Days since 1970-01-01 of a proleptic Gregorian date (Howard Hinnant's days_from_civil).
    math(EXPR year "${CMAKE_MATCH_1} - (14 - ${CMAKE_MATCH_2}) / 12") # January and February count with the year before
    math(EXPR era "${year} / 400")
    math(EXPR year_of_era "${year} - ${era} * 400")
    math(EXPR shifted_month "(${CMAKE_MATCH_2} + 9) % 12")
    math(EXPR day_of_year "(153 * ${shifted_month} + 2) / 5 + ${CMAKE_MATCH_3} - 1")
    math(EXPR day_of_era "${year_of_era} * 365 + ${year_of_era} / 4 - ${year_of_era} / 100 + ${day_of_year}")
    math(EXPR release_epoch "(${era} * 146097 + ${day_of_era} - 719468) * 86400")
    set(saved_epoch "$ENV{SOURCE_DATE_EPOCH}")
    set(ENV{SOURCE_DATE_EPOCH} ${release_epoch})
    string(TIMESTAMP KINTROA_DEBIAN_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
    set(ENV{SOURCE_DATE_EPOCH} "${saved_epoch}")

    # Files only the Debian package has: the copyright file (the legal
    # notice), the changelog and lintian overrides. They join CPack's staging
    # folder just before it is packed rather than being installed with the program.
    string(REGEX REPLACE "^Copyright \\([Cc]\\) *" "" KINTROA_COPYRIGHT_HOLDERS "${KINTROA_LEGAL}")
    set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
    configure_file(${PROJECT_SOURCE_DIR}/dist/debian/copyright.in ${kintroa_debian_dir}/copyright @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/dist/debian/changelog.in ${kintroa_debian_dir}/changelog @ONLY)
    kintroa_gzip(${kintroa_debian_dir}/changelog ${kintroa_debian_dir}/changelog.Debian.gz)
    configure_file(${PROJECT_SOURCE_DIR}/dist/debian/lintian-overrides ${kintroa_debian_dir}/lintian-overrides COPYONLY)
    set(CPACK_KINTROA_DEBIAN_DIR ${kintroa_debian_dir})
    set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebianFiles.cmake)

    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION education)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${CPACK_PACKAGE_HOMEPAGE_URL}")
    # The Qt libraries are found by dpkg-shlibdeps; the fonts are named here:
    # the stand-in for the designs' "MS Sans Serif" and "Arial", and system
    # fonts for the four scripts when their legacy fonts are not installed.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "fonts-liberation2, fonts-lohit-deva, fonts-lohit-beng-bengali, fonts-lohit-gujr, fonts-lohit-guru")
    # The keying scheme's input methods go into m17n's database
    # (/usr/share/m17n, tools/keying); IBus or Fcitx 5 offers them.
    set(CPACK_DEBIAN_PACKAGE_SUGGESTS "ibus-m17n | fcitx5-m17n")
    # CPack puts the summary above as the synopsis line, indents this text
    # and marks the empty line as a paragraph break.
    set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${KINTROA_TITLE} introduces romanized (phonetic) typing of the Devanagari,
Bengali, Gujarati and Gurumukhi scripts, by which each script is typed on a
standard keyboard by its Roman sounds.

Seven short pages, with explanations in English, Hindi or Bengali, present
the basic idea, the alphabet, keying, syllables, vowels and consonants, each
with Latin keying examples and what they produce in the script.

The same keys work in every program through the m17n input methods
hi-korvani, bn-korvani, gu-korvani and pa-korvani, which IBus (ibus-m17n) and
Fcitx 5 (fcitx5-m17n) offer.")
    # Control files with the modes Debian's tools expect (0644 md5sums,
    # 0755 maintainer scripts), not those of the build folder.
    set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
endif()

if(WIN32)
    include(${PROJECT_SOURCE_DIR}/cmake/WindowsPackage.cmake)
endif()

include(CPack)
