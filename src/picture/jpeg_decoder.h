#pragma once
// JPEG pictures through libjpeg: the size from the header alone, and the
// pixels decoded at the smallest DCT scale that still covers a wanted size,
// which skips most of the work for a photo shown much smaller than it is.
// Both see the picture as the camera took it: a photo's EXIF orientation
// turns (or mirrors) its stored pixels, and for a quarter turn swaps its
// width and height.

#include <cstdint>
#include <span>

#include "picture/pixels.h"

// The picture's size as it is seen. Throws AppError with libjpeg's message
// when the header does not read; a header libjpeg reads with a warning
// (a newer JFIF version, say) reads.
PictureSize ReadJpegHeader(std::span<const std::uint8_t> data);

// The eighths (1, 2, 4 or 8) at which a picture of the given size decodes to
// at least wanted in both directions; 8 when even the full size is smaller.
int JpegScaleEighths(PictureSize full, PictureSize wanted);

// Decodes at JpegScaleEighths(full, wanted) into pixels, turned as they are
// seen. Data cut short or damaged decodes as libjpeg makes it up, what is
// missing filled in; only what libjpeg takes for an error throws AppError
// with its message, and a lack of memory AppError(kOutOfMemory).
void DecodeJpeg(std::span<const std::uint8_t> data, PictureSize wanted, Pixels& pixels);
