# Fails when a test of the build has no time limit: a hang must fail its
# test, not stop the suite.
# Usage: cmake -DCTEST=<ctest> -DBUILD=<build dir> -P check_timeouts.cmake
execute_process(COMMAND "${CTEST}" --show-only=json-v1 WORKING_DIRECTORY "${BUILD}"
                OUTPUT_VARIABLE json RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "ctest --show-only failed (${status})")
endif()
string(JSON count LENGTH "${json}" tests)
# A test has at most one TIMEOUT property: as many as there are tests means
# that every test has one. (Each look-up below parses the whole listing
# again, so the tests are walked one by one only to name those without.)
string(REGEX MATCHALL "\"name\"[ \t\r\n]*:[ \t\r\n]*\"TIMEOUT\"" limits "${json}")
list(LENGTH limits limited)
if(limited EQUAL count)
  message(STATUS "${count} tests, each with a time limit")
  return()
endif()
set(missing "")
math(EXPR last "${count} - 1")
foreach(i RANGE ${last})
  string(JSON properties ERROR_VARIABLE none GET "${json}" tests ${i} properties)
  if(none OR NOT properties MATCHES "\"TIMEOUT\"")
    string(JSON name GET "${json}" tests ${i} name)
    string(APPEND missing "  ${name}\n")
  endif()
endforeach()
message(FATAL_ERROR "tests without a TIMEOUT:\n${missing}")
