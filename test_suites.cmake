# Each GoogleTest suite of a test program runs as one ctest test, in one
# process: a window test's process spends more time starting Qt and its
# first window than most tests take, and one process a case made those tests
# take about four times as long. The suites are listed from the program after each build and
# read by ctest when it starts (as GoogleTest's own discovery does).
#
# add_test_suites(<target> [LABELLED <suite> <label>]...)
# A suite given LABELLED gets that label, so that it can be left out by it.
# A suite whose every test skipped is reported as skipped (the test mains
# end with 77 then).
set(TEST_SUITE_LISTER ${CMAKE_CURRENT_LIST_DIR}/list_test_suites.cmake)

function(add_test_suites target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "LABELLED")
  set(suites "${CMAKE_CURRENT_BINARY_DIR}/${target}_suites.cmake")
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -D "PROGRAM=$<TARGET_FILE:${target}>" -D "OUT=${suites}"
            -D "WORKING_DIRECTORY=${CMAKE_CURRENT_BINARY_DIR}" -D "LABELLED=${arg_LABELLED}"
            -P ${TEST_SUITE_LISTER}
    BYPRODUCTS ${suites}
    VERBATIM)
  set(reader "${CMAKE_CURRENT_BINARY_DIR}/${target}_suites_reader.cmake")
  file(WRITE ${reader}
    "if(EXISTS \"${suites}\")\n"
    "  include(\"${suites}\")\n"
    "else()\n"
    "  add_test(${target}_NOT_BUILT ${target}_NOT_BUILT)\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${reader})
endfunction()
