#pragma once
// Bitmap files read through the platform, which draws every depth and
// compression, after their headers are checked.

#include <windows.h>

#include <span>
#include <string>

#include "view/pixels.h"

// All pixels of a bitmap file, as 32-bit rows top down. A file that is no
// sound bitmap fails with the damaged-picture text naming path.
Pixels ReadBitmap(const std::string& path, std::span<const std::uint8_t> data);

// A 32-bit DIB section (blue, green, red, unused); rows top down when
// height is negative, as the platform counts them. Throws
// kCannotMakeBitmap when the platform makes none.
HBITMAP CreateBgrxSection(int width, int height, void** bits);
