# The layers of src/, top down, one line each. A folder may include its own
# files and those of folders on lower lines; an include of a folder on the
# same line or a higher one is a back-edge and fails the build.
set(KINTROA_LAYERS
    "app"
    "launcher"
    "introduction about"
    "edition"
    "forms platform"
    "script base")

set(KINTROA_LAYER_CHECKER ${CMAKE_CURRENT_LIST_FILE})

# kintroa_check_layers(<target> <source dir>): a target that checks every
# source file below <source dir> whenever one of them changes.
function(kintroa_check_layers target sourceDir)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS
        ${sourceDir}/*.h ${sourceDir}/*.hpp ${sourceDir}/*.cpp ${sourceDir}/*.in)
    set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}.stamp)
    add_custom_command(OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} -DKINTROA_SOURCE_DIR=${sourceDir} -P ${KINTROA_LAYER_CHECKER}
        COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
        DEPENDS ${sources} ${KINTROA_LAYER_CHECKER}
        COMMENT "Checking that includes follow the layers"
        VERBATIM)
    add_custom_target(${target} DEPENDS ${stamp})
endfunction()

# Run as a script: cmake -DKINTROA_SOURCE_DIR=<dir> -P CheckLayers.cmake
if(NOT CMAKE_SCRIPT_MODE_FILE OR NOT CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    return()
endif()
cmake_minimum_required(VERSION 3.21)
if(NOT IS_DIRECTORY "${KINTROA_SOURCE_DIR}")
    message(FATAL_ERROR "KINTROA_SOURCE_DIR is not a folder: '${KINTROA_SOURCE_DIR}'")
endif()

set(level 0)
set(layerNames)
foreach(line IN LISTS KINTROA_LAYERS)
    string(REPLACE " " ";" folders "${line}")
    foreach(folder IN LISTS folders)
        set(levelOf_${folder} ${level})
        list(APPEND layerNames ${folder})
    endforeach()
    math(EXPR level "${level} + 1")
endforeach()

set(faults)
file(GLOB children LIST_DIRECTORIES true RELATIVE ${KINTROA_SOURCE_DIR} ${KINTROA_SOURCE_DIR}/*)
foreach(child IN LISTS children)
    if(IS_DIRECTORY ${KINTROA_SOURCE_DIR}/${child} AND NOT child IN_LIST layerNames)
        list(APPEND faults "folder ${child}/ belongs to no layer")
    endif()
endforeach()

file(GLOB_RECURSE files RELATIVE ${KINTROA_SOURCE_DIR}
    ${KINTROA_SOURCE_DIR}/*.h ${KINTROA_SOURCE_DIR}/*.hpp ${KINTROA_SOURCE_DIR}/*.cpp ${KINTROA_SOURCE_DIR}/*.in)
list(SORT files)
set(includePattern "^[ \t]*#[ \t]*include[ \t]*[\"<]([A-Za-z0-9_]+)/")
foreach(file IN LISTS files)
    if(NOT file MATCHES "^([^/]+)/")
        continue()
    endif()
    set(from ${CMAKE_MATCH_1})
    if(NOT DEFINED levelOf_${from})
        continue() # already reported as a folder in no layer
    endif()
    file(STRINGS ${KINTROA_SOURCE_DIR}/${file} includes REGEX "${includePattern}")
    foreach(include IN LISTS includes)
        string(REGEX MATCH "${includePattern}" ignored "${include}")
        set(to ${CMAKE_MATCH_1})
        if(to STREQUAL from OR NOT DEFINED levelOf_${to})
            continue() # its own folder, or not ours (Qt, the standard library)
        endif()
        if(NOT levelOf_${to} GREATER levelOf_${from})
            string(STRIP "${include}" include)
            list(APPEND faults "${file}: ${include}  (${from} may not include ${to})")
        endif()
    endforeach()
endforeach()

if(faults)
    list(JOIN faults "\n  " report)
    message(FATAL_ERROR "Includes against the layers (see cmake/CheckLayers.cmake):\n  ${report}")
endif()
