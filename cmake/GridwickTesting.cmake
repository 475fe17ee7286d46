# Test helpers. Test executables live in build/tests so that build/bin holds
# only what ships.
set(GRIDWICK_TEST_DIR ${CMAKE_BINARY_DIR}/tests)

# gridwick_add_gtest(NAME SOURCES ... LIBS ...)
function(gridwick_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${GRIDWICK_TEST_DIR})
  target_compile_definitions(${name} PRIVATE
      GRIDWICK_PUZZLES_DIR="${GRIDWICK_PUZZLES_DIR}"
      GRIDWICK_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
      GRIDWICK_BIN_DIR="${GRIDWICK_BIN_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()

# gridwick_add_qttest(NAME SOURCES ... LIBS ...): one QtTest executable, run
# offscreen so that no display is needed.
function(gridwick_add_qttest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test Qt6::Widgets)
  # QtTest's QSKIP(statement, ...) is documented to take the statement alone,
  # which clang's -Wpedantic calls a GNU extension.
  target_compile_options(${name} PRIVATE $<$<CXX_COMPILER_ID:Clang>:-Wno-gnu-zero-variadic-macro-arguments>)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${GRIDWICK_TEST_DIR})
  target_compile_definitions(${name} PRIVATE
      GRIDWICK_PUZZLES_DIR="${GRIDWICK_PUZZLES_DIR}"
      GRIDWICK_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
      GRIDWICK_BIN_DIR="${GRIDWICK_BIN_DIR}")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
