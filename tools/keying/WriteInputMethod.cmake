# Writes one script's m17n input method with the keying tool, whole or not at all.
#   cmake -DTOOL=kintroa-keying -DSCRIPT=devanagari -DOUTPUT=hi-korvani.mim -P WriteInputMethod.cmake
execute_process(COMMAND ${TOOL} m17n ${SCRIPT} OUTPUT_FILE ${OUTPUT}.part RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    file(REMOVE ${OUTPUT}.part)
    message(FATAL_ERROR "kintroa-keying m17n ${SCRIPT} failed: ${status}")
endif()
file(RENAME ${OUTPUT}.part ${OUTPUT})
