# Runs the program with PROGRAMM and ARGUMENT, expects exit code 0 and exactly
# the one line ERWARTET (empty: no output at all).
execute_process(COMMAND ${PROGRAMM} ${ARGUMENT} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                TIMEOUT 20)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "Exit code ${rc}, output: ${out}")
endif()
string(REGEX REPLACE "\n$" "" out "${out}")
if(NOT out STREQUAL ERWARTET)
    message(FATAL_ERROR "Output '${out}', expected '${ERWARTET}'")
endif()
