# Compile settings shared by every target of the project.
add_library(quorix_settings INTERFACE)
target_compile_features(quorix_settings INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(quorix_settings INTERFACE
  -Wall -Wextra -Wpedantic -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual
  $<$<BOOL:${QUORIX_WARNINGS_AS_ERRORS}>:-Werror>)
target_compile_definitions(quorix_settings INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CONTEXTLESS_CONNECT QT_NO_KEYWORDS)

# Sanitizers stop at the first finding so that undefined behaviour fails the test that hit it.
if(QUORIX_SANITIZE)
  set(quorix_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(quorix_settings INTERFACE ${quorix_sanitizers})
  target_link_options(quorix_settings INTERFACE ${quorix_sanitizers})
  # A report names the line that broke, not only the kind of fault.
  set(QUORIX_SANITIZER_ENV "UBSAN_OPTIONS=print_stacktrace=1")
endif()
# The fuzzers need coverage feedback from every library they link; the libFuzzer runtime itself
# is linked only into the fuzz targets (fuzz/CMakeLists.txt).
if(QUORIX_BUILD_FUZZERS)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "QUORIX_BUILD_FUZZERS needs clang (configure with -DCMAKE_CXX_COMPILER=clang++)")
  endif()
  target_compile_options(quorix_settings INTERFACE -fsanitize=fuzzer-no-link)
endif()

# The real draw history (public results) that tests and benchmarks read; part of the tree so that
# a clean clone runs every test.
set(QUORIX_REAL_DRAWS_CSV "${PROJECT_SOURCE_DIR}/tests/data/swiss-lotto-draws.csv")

# quorix_add_test(NAME name SOURCES ... LIBS ... [GUI] [COST n])
# One executable per test file, environment pinned. A GoogleTest executable becomes one ctest
# entry per case ("name.Suite.Case"), found when ctest runs; a GUI (QtTest) executable is one entry.
function(quorix_add_test)
  cmake_parse_arguments(T "GUI" "NAME;COST" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE quorix_settings ${T_LIBS})
  target_compile_definitions(${T_NAME} PRIVATE
    QUORIX_REAL_DRAWS="${QUORIX_REAL_DRAWS_CSV}"
    QUORIX_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
  set(env "LANG=C.UTF-8" "LC_ALL=C.UTF-8" ${QUORIX_SANITIZER_ENV})
  if(NOT T_COST)
    set(T_COST 0)
  endif()
  if(T_GUI)
    # Windows read and write the per-user settings: never the user's own, even without TempHome.
    list(APPEND env "QT_QPA_PLATFORM=offscreen" "XDG_CONFIG_HOME=${CMAKE_CURRENT_BINARY_DIR}/${T_NAME}-config")
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 600 COST ${T_COST})
  else()
    # The discovered tests' properties reach ctest as one flat list, which would split the
    # environment: each case runs through `cmake -E env` instead (listing the cases too).
    set_target_properties(${T_NAME} PROPERTIES CROSSCOMPILING_EMULATOR "${CMAKE_COMMAND};-E;env;${env}")
    gtest_discover_tests(${T_NAME} TEST_PREFIX "${T_NAME}." DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                         PROPERTIES TIMEOUT 600 COST ${T_COST})
  endif()
endfunction()
