#pragma once
// JPEG pictures through libjpeg: the size from the header alone, and the
// pixels decoded at the smallest DCT scale that still covers a wanted size,
// which skips most of the work for a photo shown much smaller than it is.

#include <cstdint>
#include <span>

#include "picture/pixels.h"

// Throws AppError with libjpeg's message when the header does not read.
PictureSize ReadJpegHeader(std::span<const std::uint8_t> data);

// The eighths (1, 2, 4 or 8) at which a picture of the given size decodes to
// at least wanted in both directions; 8 when even the full size is smaller.
int JpegScaleEighths(PictureSize full, PictureSize wanted);

// Decodes at JpegScaleEighths(full, wanted) into pixels. Damaged data
// throws AppError with libjpeg's message; a warning about stray bytes
// between markers is let pass, as every decoder does.
void DecodeJpeg(std::span<const std::uint8_t> data, PictureSize wanted, Pixels& pixels);
