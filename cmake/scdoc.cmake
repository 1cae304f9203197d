# Renders one scdoc man page source and compresses it as Debian installs man
# pages (gzip -9n: no name or time stamp, so builds repeat byte for byte).
# scdoc reads standard input and writes standard output, which a custom
# command cannot redirect portably.
# Usage: cmake -DSCDOC=scdoc -DGZIP=gzip -DIN=page.6.scd -DOUT=page.6.gz -P scdoc.cmake
string(REGEX REPLACE "\\.gz$" "" page "${OUT}")
execute_process(COMMAND "${SCDOC}" INPUT_FILE "${IN}" OUTPUT_FILE "${page}" RESULT_VARIABLE result)
if(result EQUAL 0)
  execute_process(COMMAND "${GZIP}" -9nc "${page}" OUTPUT_FILE "${OUT}" RESULT_VARIABLE result)
endif()
file(REMOVE "${page}")
if(NOT result EQUAL 0)
  file(REMOVE "${OUT}")
  message(FATAL_ERROR "cannot render the man page ${IN}")
endif()
