# The layers of src/, top down, one line each. A folder may include its own
# files and those of folders on lower lines; an include of a folder on the
# same line or a higher one is a back-edge and fails the build.
set(KINTROA_LAYERS
    "app"
    "launcher"
    "introduction about practice"
    "edition"
    "forms platform"
    "keying"
    "script base")

# tests/ keeps to the same layers, with one more on top: program, the suites
# that need several windows or the whole program. Its helpers (support/)
# belong to no layer of their own: a helper counts as the folders it
# includes, so a suite may use it only where it may include those itself.
# The folders that test the build's own tools and files (the packaging, this
# check, the artwork) include no layer at all.
set(KINTROA_TEST_LAYERS "program" ${KINTROA_LAYERS})
set(KINTROA_TEST_HELPERS "support")
set(KINTROA_TEST_OUTSIDE "artwork" "dist" "layers")

set(KINTROA_LAYER_CHECKER ${CMAKE_CURRENT_LIST_FILE})

# kintroa_check_layers(<target> <source dir> [TESTS]): a target that checks
# every source file below <source dir> whenever one of them changes; with
# TESTS, against the table of tests/.
function(kintroa_check_layers target sourceDir)
    set(tree "")
    if("TESTS" IN_LIST ARGN)
        set(tree -DKINTROA_TREE=tests)
    endif()
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS
        ${sourceDir}/*.h ${sourceDir}/*.hpp ${sourceDir}/*.cpp ${sourceDir}/*.in)
    set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}.stamp)
    add_custom_command(OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} -DKINTROA_SOURCE_DIR=${sourceDir} ${tree} -P ${KINTROA_LAYER_CHECKER}
        COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
        DEPENDS ${sources} ${KINTROA_LAYER_CHECKER}
        COMMENT "Checking that includes follow the layers"
        VERBATIM)
    add_custom_target(${target} DEPENDS ${stamp})
endfunction()

# Run as a script: cmake -DKINTROA_SOURCE_DIR=<dir> [-DKINTROA_TREE=tests] -P CheckLayers.cmake
if(NOT CMAKE_SCRIPT_MODE_FILE OR NOT CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    return()
endif()
cmake_minimum_required(VERSION 3.21)
if(NOT IS_DIRECTORY "${KINTROA_SOURCE_DIR}")
    message(FATAL_ERROR "KINTROA_SOURCE_DIR is not a folder: '${KINTROA_SOURCE_DIR}'")
endif()

set(table ${KINTROA_LAYERS})
set(helperFolders)
set(outsideFolders)
if(KINTROA_TREE STREQUAL "tests")
    set(table ${KINTROA_TEST_LAYERS})
    set(helperFolders ${KINTROA_TEST_HELPERS})
    set(outsideFolders ${KINTROA_TEST_OUTSIDE})
elseif(DEFINED KINTROA_TREE)
    message(FATAL_ERROR "KINTROA_TREE is 'tests' or not given, not '${KINTROA_TREE}'")
endif()

set(level 0)
set(layerNames)
foreach(line IN LISTS table)
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
    if(IS_DIRECTORY ${KINTROA_SOURCE_DIR}/${child} AND NOT child IN_LIST layerNames
       AND NOT child IN_LIST helperFolders AND NOT child IN_LIST outsideFolders)
        list(APPEND faults "folder ${child}/ belongs to no layer")
    endif()
endforeach()

set(includePattern "^[ \t]*#[ \t]*include[ \t]*[\"<]([A-Za-z0-9_]+)/([^\">]*)")

# The folders of ours that <file> includes, as "folder" or "folder/path" for a
# helper, into <out>.
function(included_folders file out)
    file(STRINGS ${KINTROA_SOURCE_DIR}/${file} includes REGEX "${includePattern}")
    set(found)
    foreach(include IN LISTS includes)
        string(REGEX MATCH "${includePattern}" ignored "${include}")
        list(APPEND found "${CMAKE_MATCH_1}/${CMAKE_MATCH_2}")
    endforeach()
    set(${out} ${found} PARENT_SCOPE)
endfunction()

# Each helper's reach: the layer folders it includes, itself or through other
# helpers, repeated until nothing more is found.
set(helpers)
foreach(folder IN LISTS helperFolders)
    file(GLOB_RECURSE found RELATIVE ${KINTROA_SOURCE_DIR}
        ${KINTROA_SOURCE_DIR}/${folder}/*.h ${KINTROA_SOURCE_DIR}/${folder}/*.hpp
        ${KINTROA_SOURCE_DIR}/${folder}/*.cpp ${KINTROA_SOURCE_DIR}/${folder}/*.in)
    list(APPEND helpers ${found})
endforeach()
foreach(helper IN LISTS helpers)
    set(reach_${helper})
    included_folders(${helper} includes_${helper})
endforeach()
set(growing TRUE)
while(growing)
    set(growing FALSE)
    foreach(helper IN LISTS helpers)
        set(reach ${reach_${helper}})
        foreach(include IN LISTS includes_${helper})
            string(REGEX MATCH "^[^/]+" to "${include}")
            if(DEFINED levelOf_${to})
                list(APPEND reach ${to})
            elseif(to IN_LIST helperFolders AND DEFINED reach_${include})
                list(APPEND reach ${reach_${include}})
            endif()
        endforeach()
        list(REMOVE_DUPLICATES reach)
        list(LENGTH reach now)
        list(LENGTH reach_${helper} before)
        if(NOT now EQUAL before)
            set(reach_${helper} ${reach})
            set(growing TRUE)
        endif()
    endforeach()
endwhile()

file(GLOB_RECURSE files RELATIVE ${KINTROA_SOURCE_DIR}
    ${KINTROA_SOURCE_DIR}/*.h ${KINTROA_SOURCE_DIR}/*.hpp ${KINTROA_SOURCE_DIR}/*.cpp ${KINTROA_SOURCE_DIR}/*.in)
list(SORT files)
foreach(file IN LISTS files)
    if(NOT file MATCHES "^([^/]+)/")
        continue()
    endif()
    set(from ${CMAKE_MATCH_1})
    file(STRINGS ${KINTROA_SOURCE_DIR}/${file} includes REGEX "${includePattern}")
    foreach(include IN LISTS includes)
        string(REGEX MATCH "${includePattern}" ignored "${include}")
        set(to ${CMAKE_MATCH_1})
        set(path "${CMAKE_MATCH_1}/${CMAKE_MATCH_2}")
        string(STRIP "${include}" include)
        if(to STREQUAL from)
            continue() # its own folder
        endif()
        if(from IN_LIST outsideFolders)
            if(DEFINED levelOf_${to} OR to IN_LIST helperFolders)
                list(APPEND faults "${file}: ${include}  (${from} tests no layer, so includes none)")
            endif()
            continue()
        endif()
        if(to IN_LIST outsideFolders)
            list(APPEND faults "${file}: ${include}  (${to} is no layer to include)")
            continue()
        endif()
        if(from IN_LIST helperFolders)
            continue() # a helper may include any layer; it takes on what it reaches
        endif()
        if(NOT DEFINED levelOf_${from})
            continue() # already reported as a folder in no layer
        endif()
        if(DEFINED levelOf_${to})
            if(NOT levelOf_${to} GREATER levelOf_${from})
                list(APPEND faults "${file}: ${include}  (${from} may not include ${to})")
            endif()
        elseif(to IN_LIST helperFolders AND DEFINED reach_${path})
            foreach(reached IN LISTS reach_${path})
                if(NOT reached STREQUAL from AND NOT levelOf_${reached} GREATER levelOf_${from})
                    list(APPEND faults "${file}: ${include}  (${from} may not include ${reached}, which ${path} includes)")
                endif()
            endforeach()
        endif() # else not ours (Qt, the standard library)
    endforeach()
endforeach()

if(faults)
    list(JOIN faults "\n  " report)
    message(FATAL_ERROR "Includes against the layers (see cmake/CheckLayers.cmake):\n  ${report}")
endif()
