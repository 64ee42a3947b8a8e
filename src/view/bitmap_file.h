#pragma once
// Bitmap files read through the platform, which draws every depth and
// compression, after their headers are checked.

#include <span>
#include <string>

#include "view/pixels.h"

// All pixels of a bitmap file, as 32-bit rows top down. A file that is no
// sound bitmap fails with the damaged-picture text naming path.
Pixels ReadBitmap(const std::string& path, std::span<const std::uint8_t> data);
