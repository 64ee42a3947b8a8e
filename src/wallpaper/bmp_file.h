#pragma once
// The wallpaper bitmap's file: a 54-byte header, no colour table, 32-bit
// pixels (blue, green, red, unused) in rows from the bottom up.

#include <cstdint>
#include <string>
#include <string_view>

// pixels holds 4 × width × height bytes, bottom row first.
std::string EncodeBmp32(int width, int height, std::string_view pixels);
