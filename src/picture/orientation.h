#pragma once
// The EXIF Orientation of a photo: how the camera's stored pixels are to be
// turned (and, for 2, 4, 5 and 7, mirrored) to be seen as it was taken.
// Only this one tag of the first directory is read; nothing a camera maker
// keeps in its own notes.

#include <cstdint>
#include <span>

#include "picture/pixels.h"

// 1 for pixels shown as stored; 2 to 8 as the EXIF standard numbers them:
// 2 mirrored across, 3 turned half round, 4 mirrored top to bottom, 5 the
// rows become columns (turned a quarter left, then mirrored), 6 turned a
// quarter to the right, 7 turned a quarter right and mirrored, 8 turned a
// quarter to the left.
inline constexpr int kUpright = 1;

// The orientation that an APP1 segment's data (after its length) gives:
// "Exif", two NULs, then a TIFF header in either byte order, whose first
// directory's tag 0x0112 holds the value. Anything missing, out of its
// segment, of another type or outside 1 to 8 gives kUpright.
int ExifOrientation(std::span<const std::uint8_t> app1);

// True for the orientations that make the stored rows columns, so that the
// picture is seen with its width and height swapped.
inline bool SwapsSides(int orientation) { return orientation >= 5 && orientation <= 8; }

// The size of a picture stored at size, seen in that orientation.
inline PictureSize Oriented(PictureSize size, int orientation) {
  return SwapsSides(orientation) ? PictureSize{size.height, size.width} : size;
}

// Turns and mirrors the stored pixels into the orientation they are seen
// in; a failure for want of memory leaves them as they were.
void Orient(Pixels& pixels, int orientation);
