# Renders one scdoc man page source: scdoc reads standard input and writes
# standard output, which a custom command cannot redirect portably.
execute_process(COMMAND "${SCDOC}" INPUT_FILE "${IN}" OUTPUT_FILE "${OUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(REMOVE "${OUT}")
  message(FATAL_ERROR "scdoc failed on ${IN}")
endif()
