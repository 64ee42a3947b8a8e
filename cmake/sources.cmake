# The source lists shared by the program's builds and the fuzzers' build.
# Logic that needs no Windows call: built natively for the unit tests and
# into the program.
set(PORTABLE_SOURCES
  src/app/app_error.cpp
  src/app/app_state.cpp
  src/app/command_line.cpp
  src/app/folders.cpp
  src/app/path_rules.cpp
  src/app/random_pick.cpp
  src/app/settings_values.cpp
  src/archive/archive_paths.cpp
  src/list/list_codec.cpp
  src/picture/bitmap_header.cpp
  src/picture/jpeg_decoder.cpp
  src/picture/orientation.cpp
  src/picture/picture_headers.cpp
  src/picture/resample.cpp
  src/picture/rounding.cpp
  src/view/dialog_filter.cpp
  src/view/fit.cpp
  src/view/picture_caption.cpp
  src/view/shortcut_text.cpp
  src/view/splitter_width.cpp
  src/wallpaper/bmp_writer.cpp
  src/wallpaper/wallpaper_layout.cpp
  src/wallpaper/wallpaper_options.cpp
  src/win/entry_names.cpp
)

# Our stand-in for the archive library: reading LZH archives with lhasa.
set(STANDIN_SOURCES
  src/archive/unlha32/lzh_archive.cpp
  src/archive/unlha32/unlha_command.cpp
)
