#pragma once
// Bitmap files read through the platform, which draws every depth and
// compression, once bitmap_header has checked their headers.

#include <cstdint>
#include <span>
#include <string>

#include "picture/pixels.h"

// All pixels of a bitmap file, as 32-bit rows top down. A file that is no
// sound bitmap fails with the damaged-picture text naming path.
Pixels ReadBitmap(const std::string& path, std::span<const std::uint8_t> data);
