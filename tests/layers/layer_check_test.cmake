# Runs the layer checker over trees written here, one case each, and compares
# its verdict (and what it names) with the expected one.
cmake_minimum_required(VERSION 3.21)

set(failures 0)

# check_tree(<name> ACCEPT|REJECT [TESTS] [NAMES <text>...] FILES <path> <content> ...)
# TESTS: the tree is checked as tests/ is.
function(check_tree name verdict)
    cmake_parse_arguments(PARSE_ARGV 2 arg "TESTS" "" "NAMES;FILES")
    set(tree ${WORK_DIR}/${name})
    file(REMOVE_RECURSE ${tree})
    file(MAKE_DIRECTORY ${tree})
    set(files ${arg_FILES})
    while(files)
        list(POP_FRONT files path content)
        file(WRITE ${tree}/${path} "${content}\n")
    endwhile()
    set(kind "")
    if(arg_TESTS)
        set(kind TESTS)
    endif()
    run_checker(${name} ${tree} ${verdict} "${arg_NAMES}" ${kind})
endfunction()

# run_checker(<name> <tree> ACCEPT|REJECT <names> [TESTS])
function(run_checker name tree verdict names)
    set(kind "")
    if("TESTS" IN_LIST ARGN)
        set(kind -DKINTROA_TREE=tests)
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -DKINTROA_SOURCE_DIR=${tree} ${kind} -P ${CHECKER}
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    set(problem "")
    if(verdict STREQUAL "ACCEPT" AND NOT result EQUAL 0)
        set(problem "rejected a sound tree")
    elseif(verdict STREQUAL "REJECT" AND result EQUAL 0)
        set(problem "accepted a back-edge")
    endif()
    foreach(text IN LISTS names)
        string(FIND "${output}" "${text}" at)
        if(at EQUAL -1)
            string(APPEND problem " did not name '${text}'")
        endif()
    endforeach()
    if(problem)
        message(SEND_ERROR "${name}: ${problem}\n${output}")
        math(EXPR count "${failures} + 1")
        set(failures ${count} PARENT_SCOPE)
    else()
        message(STATUS "${name}: ok")
    endif()
endfunction()

set(q "\"")

check_tree(each_layer_uses_those_below ACCEPT FILES
    app/main.cpp "#include ${q}launcher/IntroPix.h${q}\n#include ${q}platform/QtPlatform.h${q}"
    launcher/IntroPix.cpp "#include ${q}IntroPix.h${q}\n#include ${q}about/AbKorInt.h${q}\n#include ${q}introduction/IntroEng.h${q}"
    introduction/IntroEng.cpp "#include ${q}edition/IntroA.h${q}\n#include ${q}forms/FormLabel.h${q}\n#include <QDialog>"
    about/AbKorInt.cpp "#include ${q}base/Twips.h${q}\n#include ${q}platform/Platform.h${q}"
    edition/IntroA.cpp "#include ${q}forms/Design.h${q}\n#include ${q}platform/Platform.h${q}"
    forms/Design.h "#include ${q}base/Twips.h${q}\n#include <QtCore/QString>"
    platform/QtPlatform.cpp "#  include ${q}base/Twips.h${q}"
    base/Twips.h "#include <QRect>")

check_tree(commented_out_include_is_no_edge ACCEPT FILES
    forms/Design.h "// #include ${q}launcher/IntroPix.h${q}\n/* see launcher/IntroPix.h */")

check_tree(forms_reaching_up_to_launcher REJECT NAMES "forms/FormLabel.cpp" "launcher/IntroPix.h" FILES
    forms/FormLabel.cpp "#include ${q}FormLabel.h${q}\n#include ${q}launcher/IntroPix.h${q}"
    launcher/IntroPix.cpp "#include ${q}forms/FormLabel.h${q}")

check_tree(introduction_knowing_the_launcher REJECT NAMES "introduction may not include launcher" FILES
    introduction/IntroEng.cpp "#include ${q}launcher/IntroPix.h${q}")

check_tree(sideways_between_windows REJECT NAMES "about may not include introduction" FILES
    about/AbKorInt.cpp "#include ${q}introduction/IntroEng.h${q}")

check_tree(sideways_at_the_bottom REJECT NAMES "platform may not include forms" FILES
    platform/QtPlatform.cpp "#include ${q}forms/Design.h${q}")

check_tree(angle_brackets_and_spacing_count REJECT NAMES "base/Twips.h" "edition/IntroA.cpp" FILES
    base/Twips.h "  #  include <edition/IntroA.h>"
    edition/IntroA.cpp "#include <about/AbKorInt.h>")

check_tree(folder_in_no_layer REJECT NAMES "widgets/" FILES
    widgets/Spinner.h "#include <QWidget>")

# tests/: the same layers with program on top; helpers in support/ count as
# what they include; the folders that test tools and files include no layer.
check_tree(suites_use_their_layer_and_below ACCEPT TESTS FILES
    program/tst_run.cpp "#include ${q}app/CommandLine.h${q}\n#include ${q}launcher/IntroPix.h${q}\n#include ${q}support/LauncherFixture.h${q}"
    launcher/tst_selection.cpp "#include ${q}support/LauncherFixture.h${q}\n#include ${q}introduction/IntroEng.h${q}"
    introduction/tst_pages.cpp "#include ${q}support/IntroFixture.h${q}\n#include ${q}support/Conversions.h${q}"
    edition/tst_edition.cpp "#include ${q}support/FakePlatform.h${q}\n#include ${q}edition/IntroA.h${q}"
    script/tst_glyphs.cpp "#include ${q}support/Conversions.h${q}\n#include ${q}script/Glyphs.h${q}"
    support/LauncherFixture.h "#include ${q}launcher/IntroPix.h${q}\n#include ${q}support/FakePlatform.h${q}"
    support/IntroFixture.h "#include ${q}introduction/IntroEng.h${q}\n#include ${q}support/FakePlatform.h${q}"
    support/FakePlatform.h "#include ${q}platform/Platform.h${q}"
    support/Conversions.h "#include <QRect>"
    support/Conversions.cpp "#include ${q}base/Twips.h${q}"
    artwork/tst_artwork.cpp "#include <QTest>"
    dist/check.py "import sys"
    layers/test.cmake "set(x 1)")

check_tree(suite_reaching_up_through_a_helper REJECT TESTS
    NAMES "forms/tst_contrast.cpp" "forms may not include launcher, which support/LauncherFixture.h includes" FILES
    forms/tst_contrast.cpp "#include ${q}support/LauncherFixture.h${q}"
    support/LauncherFixture.h "#include ${q}launcher/IntroPix.h${q}")

check_tree(helper_reaching_up_through_a_helper REJECT TESTS
    NAMES "script may not include platform, which support/IntroFixture.h includes" FILES
    script/tst_decoding.cpp "#include ${q}support/IntroFixture.h${q}"
    support/IntroFixture.h "#include ${q}support/FakePlatform.h${q}"
    support/FakePlatform.h "#include ${q}platform/Platform.h${q}")

check_tree(sideways_through_a_helper REJECT TESTS NAMES "introduction may not include about" FILES
    introduction/tst_introeng.cpp "#include ${q}support/AboutFixture.h${q}"
    support/AboutFixture.h "#include ${q}about/AbKorInt.h${q}")

check_tree(suite_reaching_up_itself REJECT TESTS NAMES "script may not include launcher" FILES
    script/tst_glyphdecoding.cpp "#include ${q}launcher/IntroPixDesign.h${q}")

check_tree(no_layer_above_program REJECT TESTS NAMES "launcher may not include program" FILES
    launcher/tst_modality.cpp "#include ${q}program/Scenes.h${q}")

check_tree(tool_tests_include_no_layer REJECT TESTS NAMES "artwork/tst_artwork.cpp" "artwork tests no layer" FILES
    artwork/tst_artwork.cpp "#include ${q}forms/Design.h${q}")

check_tree(test_folder_in_no_layer REJECT TESTS NAMES "e2e/" FILES
    e2e/run.cpp "#include <QTest>")

# program is a layer of tests/ only.
check_tree(no_program_in_src REJECT NAMES "program/" FILES
    program/tst_run.cpp "#include ${q}app/CommandLine.h${q}")

run_checker(program_sources ${REAL_SOURCE_DIR} ACCEPT "")
run_checker(test_sources ${REAL_TESTS_DIR} ACCEPT "" TESTS)

if(failures GREATER 0)
    message(FATAL_ERROR "${failures} case(s) failed")
endif()
