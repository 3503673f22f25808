# Run by add_test_suites after a test program is built (cmake -P): writes
# OUT, the ctest commands that run each of PROGRAM's suites.
execute_process(COMMAND "${PROGRAM}" --gtest_list_tests
  WORKING_DIRECTORY "${WORKING_DIRECTORY}"
  OUTPUT_VARIABLE listing ERROR_VARIABLE errors RESULT_VARIABLE status TIMEOUT 60)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} could not list its tests (${status}):\n${listing}${errors}")
endif()

set(unseen "")
list(LENGTH LABELLED count)
if(count GREATER 0)
  math(EXPR last "${count} - 1")
  foreach(i RANGE 0 ${last} 2)
    math(EXPR next "${i} + 1")
    list(GET LABELLED ${i} suite)
    list(GET LABELLED ${next} label)
    set(label_of_${suite} ${label})
    list(APPEND unseen ${suite})
  endforeach()
endif()

set(script "")
string(REPLACE "\n" ";" lines "${listing}")
foreach(line IN LISTS lines)
  # A suite's line is its name and a dot, at the start of the line; its
  # tests follow indented.
  if(NOT line MATCHES "^([A-Za-z0-9_/]+)\\.")
    continue()
  endif()
  set(suite ${CMAKE_MATCH_1})
  string(APPEND script
    "add_test([==[${suite}]==] \"${PROGRAM}\" [==[--gtest_filter=${suite}.*]==])\n"
    "set_tests_properties([==[${suite}]==] PROPERTIES WORKING_DIRECTORY \"${WORKING_DIRECTORY}\" SKIP_RETURN_CODE 77")
  if(DEFINED label_of_${suite})
    string(APPEND script " LABELS ${label_of_${suite}}")
    list(REMOVE_ITEM unseen ${suite})
  endif()
  string(APPEND script ")\n")
endforeach()
if(unseen)
  message(FATAL_ERROR "${PROGRAM} has no suite ${unseen} to label")
endif()
file(WRITE "${OUT}" "${script}")
