#pragma once
// The wallpaper bitmap's file: a 54-byte header, no colour table, 32-bit
// pixels (blue, green, red, unused) in rows from the bottom up.

#include <cstdint>
#include <string>
#include <string_view>

// The bytes of the pixels of such a file: 4 × width × height; a failure for
// a size whose file the format's 32-bit sizes cannot describe (a larger one
// would wrap, and a 54-byte file would pass for the picture).
std::uint32_t Bmp32ImageSize(int width, int height);

// pixels holds 4 × width × height bytes, bottom row first.
std::string EncodeBmp32(int width, int height, std::string_view pixels);
