# vt_unit_test(NAME SOURCES ... LIBS ...): a GoogleTest binary whose tests CTest lists one by one,
# labelled "unit" so that the sanitizer build can run exactly these.
function(vt_unit_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES LABELS unit
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()

# vt_e2e_test(NAME SCRIPT ... ): an end-to-end test run with the system's Python; the script
# gets the build folder in VT_BUILD_DIR and starts its own X server when it needs one.
function(vt_e2e_test name script)
  cmake_parse_arguments(ARG "" "TIMEOUT" "DEPENDS" ${ARGN})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  add_test(NAME ${name} COMMAND /usr/bin/python3 ${script})
  set_tests_properties(${name} PROPERTIES
    LABELS e2e
    TIMEOUT ${ARG_TIMEOUT}
    ENVIRONMENT "VT_BUILD_DIR=${CMAKE_BINARY_DIR};VT_SOURCE_DIR=${CMAKE_SOURCE_DIR};PYTHONPATH=${CMAKE_SOURCE_DIR}/tests/support;PYTHONDONTWRITEBYTECODE=1")
endfunction()
