# The Windows installer and a portable zip of the same files, made with CPack
# from a build folder of the Windows edition:
#   cpack -G "NSIS;ZIP"
# makes KIntroA-<version>-win64.exe and KIntroA-<version>-win64.zip. Both hold
# kintroa.exe, the Qt plugins it loads (the windows platform, the Windows
# styles and the .ico reader for its icons) and every DLL those need, from Qt
# and from the compiler's runtime. The DLLs are found by CMake's
# runtime-dependency resolution, not named here.

# Where the DLLs may come from: Qt's bin folder and the folders of the
# compiler's runtime DLLs (as MinGW-w64's libstdc++, libgcc and winpthread).
get_target_property(kintroa_qtcore_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
if(NOT kintroa_qtcore_dll)
    get_target_property(kintroa_qtcore_dll Qt6::Core IMPORTED_LOCATION)
endif()
get_filename_component(kintroa_qt_bin_dir "${kintroa_qtcore_dll}" DIRECTORY)
set(kintroa_dll_dirs "${kintroa_qt_bin_dir}")
if(MINGW)
    foreach(runtime libstdc++-6.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                        OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(IS_ABSOLUTE "${runtime_path}")
            get_filename_component(runtime_dir "${runtime_path}" DIRECTORY)
            list(APPEND kintroa_dll_dirs "${runtime_dir}")
        endif()
    endforeach()
endif()

# CMake looks a DLL up by its name in lower case (Windows ignores case). Where
# the build machine's file names keep case (Linux), the DLLs of those folders
# are offered under lower-case links as well; the files installed are the
# links' targets, with their own names.
if(NOT CMAKE_HOST_WIN32)
    set(kintroa_dll_links ${PROJECT_BINARY_DIR}/dist/windows/dll-links)
    file(MAKE_DIRECTORY ${kintroa_dll_links})
    foreach(dir IN LISTS kintroa_dll_dirs)
        file(GLOB dlls "${dir}/*.dll")
        foreach(dll IN LISTS dlls)
            get_filename_component(name "${dll}" NAME)
            string(TOLOWER "${name}" name)
            file(CREATE_LINK "${dll}" "${kintroa_dll_links}/${name}" SYMBOLIC)
        endforeach()
    endforeach()
    list(PREPEND kintroa_dll_dirs ${kintroa_dll_links})
endif()

# The plugins go to the folders beside the program in which Qt looks for them.
set(kintroa_plugin_files)
foreach(plugin Qt6::QWindowsIntegrationPlugin Qt6::QWindowsVistaStylePlugin Qt6::QICOPlugin)
    get_target_property(plugin_type ${plugin} QT_PLUGIN_TYPE)
    install(FILES $<TARGET_FILE:${plugin}> DESTINATION ${plugin_type})
    list(APPEND kintroa_plugin_files "$<TARGET_FILE:${plugin}>")
endforeach()

# Cross-built on Linux, the DLLs are read with the cross objdump.
set(kintroa_objdump "${CMAKE_OBJDUMP}")
if(NOT kintroa_objdump)
    find_program(kintroa_objdump NAMES x86_64-w64-mingw32-objdump objdump)
endif()

# Windows' own DLLs (kernel32, user32, the api-ms-win sets, ...) are not in
# these folders and stay unresolved; they are listed, not installed. A DLL
# missing from the package shows when the installed program fails to start
# without the build's search path, as the installer check does under Wine.
install(CODE "
    set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
    set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
    set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND \"${kintroa_objdump}\")
    file(GET_RUNTIME_DEPENDENCIES
        EXECUTABLES \"$<TARGET_FILE:kintroa>\"
        MODULES ${kintroa_plugin_files}
        DIRECTORIES ${kintroa_dll_dirs}
        RESOLVED_DEPENDENCIES_VAR resolved
        UNRESOLVED_DEPENDENCIES_VAR unresolved
        PRE_EXCLUDE_REGEXES \"^api-ms-\" \"^ext-ms-\")
    list(SORT unresolved)
    message(STATUS \"Left to Windows: \${unresolved}\")
    set(files)
    foreach(file IN LISTS resolved)
        file(REAL_PATH \"\${file}\" file)
        list(APPEND files \"\${file}\")
    endforeach()
    file(INSTALL \${files} DESTINATION \"\${CMAKE_INSTALL_PREFIX}\")
")

# The installer: Program Files\\KIntroA, a Start-menu shortcut, an uninstaller
# and an entry among the installed programs; /S installs and uninstalls silently.
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_FILE_NAME "${KINTROA_TITLE}-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "${KINTROA_TITLE}")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "${KINTROA_TITLE}")
set(CPACK_PACKAGE_EXECUTABLES kintroa "${KINTROA_TITLE}")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME "${KINTROA_TITLE}")
set(CPACK_NSIS_DISPLAY_NAME "${KINTROA_TITLE}")
set(CPACK_NSIS_INSTALLED_ICON_NAME kintroa.exe)
set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/resources/kintroa.ico")
set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/resources/kintroa.ico")
set(CPACK_NSIS_URL_INFO_ABOUT "https://${KINTROA_WEB}/")
set(CPACK_NSIS_CONTACT "${KINTROA_EMAIL}")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)

# A 64-bit installer for a 64-bit program: NSIS's amd64-unicode stubs. The
# target must be set before the script's first string: makensis fixes what
# $PROGRAMFILES64 reads then, and for an x86 target that is the other
# registry view than the installer's own. Set after CPack's InstallDir line,
# the 64-bit installer read the 32-bit view, "Program Files (x86)", wherever
# that view is filled in (every 64-bit Windows; Wine with 32-bit support).
# So CPack is given its own NSIS template with the target on its first line.
set(kintroa_nsis_templates ${PROJECT_BINARY_DIR}/dist/windows/nsis)
set(kintroa_nsis_template "${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in")
file(READ "${kintroa_nsis_template}" kintroa_bom LIMIT 3 HEX)
if(kintroa_bom STREQUAL "efbbbf")
    # The target goes after the byte-order mark that makes it UTF-8.
    file(READ "${kintroa_nsis_template}" kintroa_bom LIMIT 3)
    string(SUBSTRING "${kintroa_bom}" 0 3 kintroa_bom)
    file(READ "${kintroa_nsis_template}" kintroa_nsis_body OFFSET 3)
else()
    set(kintroa_bom "")
    file(READ "${kintroa_nsis_template}" kintroa_nsis_body)
endif()
file(WRITE ${kintroa_nsis_templates}/NSIS.template.in "${kintroa_bom}Target amd64-unicode\n${kintroa_nsis_body}")
set(CPACK_MODULE_PATH ${kintroa_nsis_templates})

# Its registry entries go to the 64-bit view, the installed-programs entry
# with the install folder. The uninstaller removes the maker's registry key
# too once the program's own key within it is gone (CPack's uninstaller
# leaves it, empty).
set(kintroa_uninstall_key "Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\${KINTROA_TITLE}")
set(CPACK_NSIS_EXTRA_PREINSTALL_COMMANDS "SetRegView 64")
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "WriteRegStr SHCTX '${kintroa_uninstall_key}' 'InstallLocation' '$INSTDIR'")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "SetRegView 64")
set(CPACK_NSIS_DEFINES "Function un.onUninstSuccess
  SetRegView 64
  DeleteRegKey /ifempty SHCTX 'Software\\\\${KINTROA_COMPANY}'
FunctionEnd")
set(CPACK_PACKAGE_VERSION_MAJOR ${PROJECT_VERSION_MAJOR})
set(CPACK_PACKAGE_VERSION_MINOR ${PROJECT_VERSION_MINOR})
set(CPACK_PACKAGE_VERSION_PATCH ${PROJECT_VERSION_PATCH})
# The licence page shows the legal notice of the version record.
file(WRITE ${PROJECT_BINARY_DIR}/dist/windows/Licence.txt "${KINTROA_TITLE} ${PROJECT_VERSION}\n\n${KINTROA_LEGAL}\n")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_BINARY_DIR}/dist/windows/Licence.txt)
# The zip unpacks into one folder of the same name.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
