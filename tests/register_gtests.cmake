# Writes the CTest registration of one GoogleTest program from its own list of
# tests: a CTest test for each TEST, and one for each TEST_P that runs every
# row of its table (gtest names the rows in its output).
#   cmake -D PROGRAM=... -D WORKING_DIRECTORY=... -D LABEL=... -D PROPERTIES=...
#         -D DISCOVERY_TIMEOUT=... -D OUTPUT=... -P register_gtests.cmake
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND "${PROGRAM}" --gtest_list_tests
                WORKING_DIRECTORY "${WORKING_DIRECTORY}"
                TIMEOUT ${DISCOVERY_TIMEOUT}
                RESULT_VARIABLE status
                OUTPUT_VARIABLE listing
                ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  file(REMOVE "${OUTPUT}")
  message(FATAL_ERROR "${PROGRAM} --gtest_list_tests failed (${status}):\n${listing}${errors}")
endif()

# Skipped only when nothing ran but skipped tests: a skip regular expression
# wins over a failing exit status in CTest, so it must not match a table
# where one row skipped and another failed.
string(CONCAT all_skipped "\\[  PASSED  \\] 0 tests\\.\n"
                            "\\[  SKIPPED \\] [0-9]+ tests?, listed below:\n(\\[  SKIPPED \\] [^\n]+\n)*$")
set(extra_properties "")
foreach(value IN LISTS PROPERTIES)
  string(APPEND extra_properties " [==[${value}]==]")
endforeach()

set(script "")
set(registered "")
string(REPLACE "\n" ";" lines "${listing}")
foreach(line IN LISTS lines)
  if(line MATCHES "^([^ #]+)\\.")
    set(suite "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^  ([^ #]+)")
    # "Name/Row" is a row of a TEST_P table: the whole table is one test.
    set(listed "${CMAKE_MATCH_1}")
    string(REGEX REPLACE "/[^/]+$" "" test "${listed}")
    set(name "${suite}.${test}")
    if(name IN_LIST registered)
      continue()
    endif()
    list(APPEND registered "${name}")
    set(filter "${name}")
    if(NOT test STREQUAL listed)
      string(APPEND filter "/*")
    endif()
    string(APPEND script
           "add_test([==[${name}]==] [==[${PROGRAM}]==] [==[--gtest_filter=${filter}]==])\n"
           "set_tests_properties([==[${name}]==] PROPERTIES WORKING_DIRECTORY [==[${WORKING_DIRECTORY}]==]"
           " LABELS ${LABEL} SKIP_REGULAR_EXPRESSION [==[${all_skipped}]==]${extra_properties})\n")
  endif()
endforeach()
file(WRITE "${OUTPUT}" "${script}")
