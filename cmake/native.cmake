# Native build: the portable logic with its unit tests under the sanitizers,
# and the end-to-end scenarios that drive the Windows build under Wine.
enable_testing()
find_package(GTest REQUIRED)
find_package(JPEG REQUIRED)

option(TIRVANE_SANITIZE "build the portable logic with the address and undefined-behaviour sanitizers" ON)
if(TIRVANE_SANITIZE)
  set(SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
endif()

add_library(tirvane_portable STATIC ${PORTABLE_SOURCES})
target_include_directories(tirvane_portable PUBLIC src)
target_compile_options(tirvane_portable PUBLIC ${SANITIZE})
target_link_options(tirvane_portable PUBLIC ${SANITIZE})
target_link_libraries(tirvane_portable PUBLIC JPEG::JPEG)

find_package(PkgConfig REQUIRED)
pkg_check_modules(LHASA REQUIRED IMPORTED_TARGET liblhasa)
add_library(tirvane_standin STATIC ${STANDIN_SOURCES})
target_include_directories(tirvane_standin PUBLIC src)
target_compile_options(tirvane_standin PUBLIC ${SANITIZE})
target_link_options(tirvane_standin PUBLIC ${SANITIZE})
target_link_libraries(tirvane_standin PUBLIC PkgConfig::LHASA)

file(GLOB UNIT_TESTS CONFIGURE_DEPENDS tests/unit/*_test.cpp)
add_executable(unit_tests ${UNIT_TESTS})
target_link_libraries(unit_tests PRIVATE tirvane_portable tirvane_standin GTest::gtest_main)
# The stand-in's tests read archives made by a real archiver at build time.
set(TEST_ARCHIVES "${CMAKE_BINARY_DIR}/archives")
add_custom_command(OUTPUT "${TEST_ARCHIVES}/.made"
  COMMAND bash "${CMAKE_SOURCE_DIR}/tests/archives/unit_archives.sh" "${TEST_ARCHIVES}"
  DEPENDS tests/archives/unit_archives.sh tests/archives/make_archive.sh)
add_custom_target(test_archives ALL DEPENDS "${TEST_ARCHIVES}/.made")
add_dependencies(unit_tests test_archives)
target_compile_definitions(unit_tests PRIVATE TIRVANE_TEST_ARCHIVES="${TEST_ARCHIVES}")
# And archives made by other archivers, from the lhasa sources set-up fetches.
file(GLOB LHASA_TEST_ARCHIVES "${CMAKE_SOURCE_DIR}/build/deps/src/lhasa-*/test/archives")
target_compile_definitions(unit_tests PRIVATE LHASA_TEST_ARCHIVES="${LHASA_TEST_ARCHIVES}")

# The 32-bit build (cmake/native-m32.cmake) only builds the unit tests; the
# 64-bit build runs them as one test.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  return()
endif()

# Benchmarks print figures; they are built here and run by make bench.
add_executable(view_pipeline bench/view_pipeline.cpp)
target_link_libraries(view_pipeline PRIVATE tirvane_portable)

# A libFuzzer target over the stand-in, built with clang (GCC has no
# libFuzzer) and run for a bounded time on a copy of the test archives.
find_program(CLANGXX clang++)
if(CLANGXX)
  set(FUZZER "${CMAKE_BINARY_DIR}/lzh_fuzzer")
  list(TRANSFORM STANDIN_SOURCES PREPEND "${CMAKE_SOURCE_DIR}/" OUTPUT_VARIABLE FUZZ_SOURCES)
  add_custom_command(OUTPUT "${FUZZER}"
    COMMAND "${CLANGXX}" -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
      -I "${CMAKE_SOURCE_DIR}/src" ${LHASA_CFLAGS} "${CMAKE_SOURCE_DIR}/tests/fuzz/lzh_fuzzer.cpp" ${FUZZ_SOURCES}
      ${LHASA_LDFLAGS} -o "${FUZZER}"
    DEPENDS tests/fuzz/lzh_fuzzer.cpp ${STANDIN_SOURCES} src/archive/unlha32/lzh_archive.h
      src/archive/unlha32/unlha_command.h src/app/shift_jis.h
    COMMAND_EXPAND_LISTS VERBATIM)
  add_custom_target(fuzzer ALL DEPENDS "${FUZZER}")
  add_test(NAME fuzz.lzh_archive COMMAND bash -c
    "rm -rf corpus && mkdir corpus && cp '${TEST_ARCHIVES}'/*.lzh corpus/ && '${FUZZER}' -max_total_time=30 -rss_limit_mb=2048 -print_final_stats=1 corpus"
    WORKING_DIRECTORY "${CMAKE_BINARY_DIR}")
  set_tests_properties(fuzz.lzh_archive PROPERTIES TIMEOUT 120)
endif()

include(GoogleTest)
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60)
# The same unit tests built as 32-bit code by scripts/build.sh, where the
# machine runs it.
add_test(NAME unit32.unit_tests COMMAND bash "${CMAKE_SOURCE_DIR}/tests/run_unit32.sh" "${CMAKE_SOURCE_DIR}")
set_tests_properties(unit32.unit_tests PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 600)

set(TIRVANE_WINDOWS_BUILD "" CACHE PATH "build folder of the x86-64 Windows program, for the end-to-end tests")
if(TIRVANE_WINDOWS_BUILD)
  get_filename_component(WINDOWS_BUILDS "${TIRVANE_WINDOWS_BUILD}" DIRECTORY)
  add_test(NAME build.windows_programs COMMAND bash "${CMAKE_SOURCE_DIR}/tests/check_windows_build.sh" "${WINDOWS_BUILDS}")
  add_test(NAME build.dist COMMAND bash "${CMAKE_SOURCE_DIR}/tests/check_dist.sh")
  include(tests/e2e/scenarios.cmake)
endif()
