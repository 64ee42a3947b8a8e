# Windows build: Tirvane.exe, and the driver the end-to-end tests use.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "AMD64")
  set(TARGET_ARCH x86_64)
else()
  set(TARGET_ARCH i686)
endif()
set(TARGET_DEPS_PREFIX "${CMAKE_SOURCE_DIR}/build/deps/${TARGET_ARCH}" CACHE PATH
  "where set-up installed libjpeg-turbo and lhasa built for this target")

# The program's code that calls the platform.
set(WINDOWS_SOURCES
  src/app/application.cpp
  src/app/file_io.cpp
  src/app/lifecycle.cpp
  src/app/platform.cpp
  src/app/settings_file.cpp
  src/archive/archive_entries.cpp
  src/archive/lha_unit.cpp
  src/list/gathering.cpp
  src/list/gathering_commands.cpp
  src/list/list_commands.cpp
  src/list/list_editing.cpp
  src/list/list_file.cpp
  src/list/picture_list.cpp
  src/picture/bitmap_reader.cpp
  src/picture/dib_section.cpp
  src/picture/picture.cpp
  src/picture/png_icon.cpp
  src/shell/about.cpp
  src/shell/screensaver.cpp
  src/shell/shortcut.cpp
  src/shell/shortcut_commands.cpp
  src/view/command_table.cpp
  src/view/file_dialog.cpp
  src/view/folder_dialog.cpp
  src/view/form1.cpp
  src/view/image_view.cpp
  src/view/load_picture.cpp
  src/view/save_copy.cpp
  src/view/splitter.cpp
  src/wallpaper/desktop_wallpaper.cpp
  src/wallpaper/kabegami.cpp
  src/wallpaper/param.cpp
  src/win/code_page.cpp
  src/win/dropped_files.cpp
  src/win/folder_entries.cpp
  src/win/window.cpp
)

add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/src -I${CMAKE_SOURCE_DIR}/res")

# Built once, and linked by the program, the Windows tests, the probes and
# the benchmarks alike.
add_library(tirvane_win STATIC ${PORTABLE_SOURCES} ${WINDOWS_SOURCES})
target_include_directories(tirvane_win PUBLIC src ${TARGET_DEPS_PREFIX}/include)
target_link_libraries(tirvane_win PUBLIC ${TARGET_DEPS_PREFIX}/lib/libjpeg.a comdlg32 shell32 ole32 uuid
  windowscodecs gdi32 user32)

add_executable(Tirvane WIN32 src/app/main.cpp res/tirvane.rc)
target_link_libraries(Tirvane PRIVATE tirvane_win)
target_link_options(Tirvane PRIVATE -static -mwindows)
set_source_files_properties(res/tirvane.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_SOURCE_DIR}/res/tirvane.ico;${CMAKE_SOURCE_DIR}/res/home_glyph.bmp;${CMAKE_SOURCE_DIR}/res/tirvane.manifest")

# Our archive library, next to the program where the library search finds it
# first. Its five functions are exported under their plain names.
add_library(UNLHA32 SHARED src/archive/unlha32/unlha32.cpp ${STANDIN_SOURCES})
set_target_properties(UNLHA32 PROPERTIES PREFIX "" OUTPUT_NAME UNLHA32)
target_include_directories(UNLHA32 PRIVATE src ${TARGET_DEPS_PREFIX}/include/liblhasa-1.0)
target_link_libraries(UNLHA32 PRIVATE ${TARGET_DEPS_PREFIX}/lib/liblhasa.a)
target_link_options(UNLHA32 PRIVATE -static -Wl,--kill-at)

# The end-to-end driver, one for each target: the hook it has the system
# load into the program must have the program's bitness.
add_executable(tvdriver tests/e2e/driver.cpp)
target_include_directories(tvdriver PRIVATE src)
target_link_libraries(tvdriver PRIVATE ole32 uuid)
target_link_options(tvdriver PRIVATE -static)
# The hook the driver has the system load into the program to learn when
# the program has taken an input event.
add_library(tvhook SHARED tests/e2e/taken_hook.cpp)
set_target_properties(tvhook PROPERTIES PREFIX "" OUTPUT_NAME tvhook)
target_compile_options(tvhook PRIVATE -fno-exceptions -fno-asynchronous-unwind-tables -fno-stack-protector
  -ffreestanding -fno-tree-loop-distribute-patterns)
# The 32-bit linker sees the stdcall entry under its decorated name; the
# hook is exported under its plain one.
if(TARGET_ARCH STREQUAL "x86_64")
  target_link_options(tvhook PRIVATE -nostdlib -Wl,-e,TakenHookEntry)
else()
  target_link_options(tvhook PRIVATE -nostdlib -Wl,-e,_TakenHookEntry@12 -Wl,--kill-at)
endif()
target_link_libraries(tvhook PRIVATE kernel32 user32)
add_dependencies(tvdriver tvhook)

# The picture list and list files against the real control, run under Wine.
add_executable(win_tests tests/win/picture_list_test.cpp)
target_link_libraries(win_tests PRIVATE tirvane_win)
target_link_options(win_tests PRIVATE -static)

# Lists and extracts archives through UNLHA32.dll as the program calls it.
add_executable(unlha_probe tests/win/unlha_probe.cpp)
target_link_libraries(unlha_probe PRIVATE tirvane_win)
target_link_options(unlha_probe PRIVATE -static)

# Reads bitmap files as the program reads them.
add_executable(bitmap_probe tests/win/bitmap_probe.cpp)
target_link_libraries(bitmap_probe PRIVATE tirvane_win)
target_link_options(bitmap_probe PRIVATE -static)

# The JPEG view pipeline's figures for this target, run under Wine by make bench.
add_executable(view_pipeline bench/view_pipeline.cpp)
target_link_libraries(view_pipeline PRIVATE tirvane_win)
target_link_options(view_pipeline PRIVATE -static)

if(TARGET_ARCH STREQUAL "x86_64")
  # Figures for the folder scan and list files, run under Wine by make bench.
  add_executable(bare_walk bench/bare_walk.cpp)
  target_link_options(bare_walk PRIVATE -static)
  add_executable(gathering_bench bench/gathering.cpp)
  target_link_libraries(gathering_bench PRIVATE tirvane_win)
  target_link_options(gathering_bench PRIVATE -static)
endif()
