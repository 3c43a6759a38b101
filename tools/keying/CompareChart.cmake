# Fails where docs/keying.md is not what the keying table makes now.
execute_process(COMMAND ${TOOL} chart OUTPUT_VARIABLE made RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "kintroa-keying chart failed: ${status}")
endif()
file(READ ${CHART} committed)
if(NOT made STREQUAL committed)
    message(FATAL_ERROR "docs/keying.md is out of date; write it anew with: build/tools/keying/kintroa-keying chart > docs/keying.md")
endif()
