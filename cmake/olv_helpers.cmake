# Declarative helpers for the project's own targets.

# olv_test(NAME SOURCES... [LIBS libs...]): a GoogleTest binary registered with CTest.
function(olv_test name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main ${ARG_LIBS})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()
