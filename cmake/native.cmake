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

# The libFuzzer targets: a build of their own with clang (tests/fuzz), each
# run for a bounded time from the seeds kept beside it. All of them together
# run for about 3 minutes of one core.
find_program(CLANGXX clang++)
if(CLANGXX)
  include(ExternalProject)
  find_program(CLANG clang)
  set(FUZZ_ARGS -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=${CLANG} -DCMAKE_CXX_COMPILER=${CLANGXX})
  ExternalProject_Add(fuzzers SOURCE_DIR "${CMAKE_SOURCE_DIR}/tests/fuzz" BINARY_DIR "${CMAKE_BINARY_DIR}/fuzzers"
    CMAKE_ARGS ${FUZZ_ARGS} INSTALL_COMMAND "" BUILD_ALWAYS ON USES_TERMINAL_BUILD ON)
  set(FUZZ_RUN bash "${CMAKE_SOURCE_DIR}/tests/fuzz/run_fuzzer.sh")
  set(FUZZ_WORK "${CMAKE_BINARY_DIR}/fuzz")
  set(SEEDS "${CMAKE_SOURCE_DIR}/tests/fuzz/seeds")
  function(fuzz_test name seconds)
    add_test(NAME fuzz.${name} COMMAND ${FUZZ_RUN} ${name} "${CMAKE_BINARY_DIR}/fuzzers/${name}_fuzzer" ${seconds}
      "${FUZZ_WORK}" ${ARGN})
    set_tests_properties(fuzz.${name} PROPERTIES TIMEOUT 180 SKIP_RETURN_CODE 77)
  endfunction()
  foreach(name list_codec settings_values command_line path_rules extraction_command)
    fuzz_test(${name} 15 "${SEEDS}/${name}")
  endforeach()
  fuzz_test(wallpaper 15 "${SEEDS}/wallpaper")
  fuzz_test(jpeg 30 "${SEEDS}/jpeg")
  fuzz_test(bitmap_header 15 "${SEEDS}/bitmap_header")
  fuzz_test(picture_headers 10 "${SEEDS}/picture_headers")
  # The archives made at build time, and the smaller ones of other archivers.
  file(GLOB LHASA_ARCHIVES "${LHASA_TEST_ARCHIVES}/*/*.lzh")
  set(LHASA_SMALL_ARCHIVES "")
  foreach(archive ${LHASA_ARCHIVES})
    file(SIZE "${archive}" bytes)
    if(bytes LESS 4096)
      list(APPEND LHASA_SMALL_ARCHIVES "${archive}")
    endif()
  endforeach()
  fuzz_test(lzh 30 "${TEST_ARCHIVES}" ${LHASA_SMALL_ARCHIVES})

  # The wallpaper's sizes again as 32-bit code, built where the machine can
  # run it (tests/run_unit32.sh and the fuzzer's runner say how, or why not).
  set(RUNS_32BIT_FILE "${CMAKE_SOURCE_DIR}/build/deps/runs-32bit")
  set(LINUX_32BIT "")
  if(EXISTS "${RUNS_32BIT_FILE}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${RUNS_32BIT_FILE}")
    file(STRINGS "${RUNS_32BIT_FILE}" LINUX_32BIT REGEX "^linux: " LIMIT_COUNT 1)
  endif()
  if(LINUX_32BIT MATCHES "^linux: (kernel|qemu)$")
    ExternalProject_Add(fuzzers32 SOURCE_DIR "${CMAKE_SOURCE_DIR}/tests/fuzz" BINARY_DIR "${CMAKE_BINARY_DIR}/fuzzers32"
      CMAKE_ARGS ${FUZZ_ARGS} -DFUZZ_32BIT_ONLY=ON -DCMAKE_C_FLAGS=-m32 -DCMAKE_CXX_FLAGS=-m32
        -DCMAKE_EXE_LINKER_FLAGS=-m32
      INSTALL_COMMAND "" BUILD_ALWAYS ON USES_TERMINAL_BUILD ON)
  endif()
  add_test(NAME fuzz32.wallpaper COMMAND ${FUZZ_RUN} wallpaper32 "${CMAKE_BINARY_DIR}/fuzzers32/wallpaper_fuzzer" 15
    "${FUZZ_WORK}" "${SEEDS}/wallpaper")
  set_tests_properties(fuzz32.wallpaper PROPERTIES TIMEOUT 180 SKIP_RETURN_CODE 77 ENVIRONMENT FUZZ_32BIT=1)
endif()

include(GoogleTest)
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60)
# The same unit tests built as 32-bit code by scripts/build.sh, where the
# machine can run them.
add_test(NAME unit32.unit_tests COMMAND bash "${CMAKE_SOURCE_DIR}/tests/run_unit32.sh" "${CMAKE_SOURCE_DIR}")
# Under qemu it takes about 90 s: started first, it ends beside the scenarios.
set_tests_properties(unit32.unit_tests PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 600 COST 1000)
# Set-up's talk with apt and the runner of 32-bit code, against stand-ins.
add_test(NAME setup.apt_and_32bit COMMAND bash "${CMAKE_SOURCE_DIR}/tests/check_setup.sh")

set(TIRVANE_WINDOWS_BUILD "" CACHE PATH "build folder of the x86-64 Windows program, for the end-to-end tests")
if(TIRVANE_WINDOWS_BUILD)
  get_filename_component(WINDOWS_BUILDS "${TIRVANE_WINDOWS_BUILD}" DIRECTORY)
  add_test(NAME build.windows_programs COMMAND bash "${CMAKE_SOURCE_DIR}/tests/check_windows_build.sh" "${WINDOWS_BUILDS}")
  add_test(NAME build.dist COMMAND bash "${CMAKE_SOURCE_DIR}/tests/check_dist.sh")
  include(tests/e2e/scenarios.cmake)
endif()
