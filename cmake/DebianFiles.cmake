# Run by CPack after it has installed the program into its staging folder:
# adds the files only the Debian package has, its copyright file, changelog
# and lintian overrides.
if(CPACK_GENERATOR STREQUAL "DEB")
    set(share "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/share")
    set(file_permissions FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    file(COPY "${CPACK_KINTROA_DEBIAN_DIR}/copyright" "${CPACK_KINTROA_DEBIAN_DIR}/changelog.Debian.gz"
         DESTINATION "${share}/doc/${CPACK_PACKAGE_NAME}" ${file_permissions})
    file(COPY "${CPACK_KINTROA_DEBIAN_DIR}/lintian-overrides" DESTINATION "${share}/lintian/overrides" ${file_permissions})
    file(RENAME "${share}/lintian/overrides/lintian-overrides" "${share}/lintian/overrides/${CPACK_PACKAGE_NAME}")
    # Folders made along the way (by CPack, file(COPY)) follow the builder's umask.
    file(GLOB_RECURSE folders LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
    foreach(folder IN LISTS folders)
        if(IS_DIRECTORY "${folder}" AND NOT IS_SYMLINK "${folder}")
            file(CHMOD "${folder}" PERMISSIONS
                 OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
        endif()
    endforeach()
endif()
