# Unit tests: GoogleTest, natively from Debian's package, for Windows built
# from Debian's sources and run under Wine through the cross-compiling emulator.
if(WIN32)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set(LANQUE_GTEST_MAIN GTest::gtest_main)
  if(NOT TARGET GTest::gtest_main)
    add_library(GTest::gtest_main ALIAS gtest_main)
    add_library(GTest::gtest ALIAS gtest)
  endif()
else()
  find_package(GTest REQUIRED)
  set(LANQUE_GTEST_MAIN GTest::gtest_main)
endif()
include(GoogleTest)

# The leak loops run at counts that take seconds; with LANQUE_LONG_LOOPS
# (scripts/test --long) at their full counts, which take minutes.
option(LANQUE_LONG_LOOPS "Run the leak loops at their full counts" OFF)
set(LANQUE_TEST_PROPERTIES TIMEOUT 120)
if(LANQUE_LONG_LOOPS)
  set(LANQUE_TEST_PROPERTIES TIMEOUT 1800 ENVIRONMENT LANQUE_LONG_LOOPS=1)
endif()

# lanque_add_test(NAME SOURCES... LIBS libs...)
# One test executable; each of its test cases becomes a CTest test.
function(lanque_add_test name)
  cmake_parse_arguments(T "" "" "LIBS" ${ARGN})
  add_executable(${name} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${T_LIBS} ${LANQUE_GTEST_MAIN} lanque_options)
  if(WIN32)
    # Windows test programs are console programs run by wine; they may open
    # windows, so each holds a Wine environment of its own while it runs.
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
      PROPERTIES ${LANQUE_TEST_PROPERTIES} RESOURCE_GROUPS wine:1)
  else()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES ${LANQUE_TEST_PROPERTIES})
  endif()
endfunction()

# lanque_wine_test(NAME COMMAND...)
# A Windows test whose command starts Wine itself (a script driving programs):
# it holds a Wine environment like the test programs and runs in it.
function(lanque_wine_test name)
  add_test(NAME ${name} COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} ${ARGN})
  set_tests_properties(${name} PROPERTIES RESOURCE_GROUPS wine:1)
endfunction()
