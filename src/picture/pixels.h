#pragma once
// A decoded picture in memory: 32-bit blue, green, red, unused, rows top
// down, the layout a 32-bit DIB section takes.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "app/app_error.h"

// 4 × width × height, the bytes of width × height 32-bit pixels; a failure
// for a negative size or one whose bytes std::size_t cannot count, as on
// the 32-bit program, where the product would otherwise wrap to a small
// buffer that the rows then overrun.
inline std::size_t PixelBytes(int width, int height) {
  if (width < 0 || height < 0) throw AppError(kCannotMakeBitmap);
  const auto w = static_cast<std::size_t>(width), h = static_cast<std::size_t>(height);
  if (h != 0 && w > std::numeric_limits<std::size_t>::max() / 4 / h) throw AppError(kCannotMakeBitmap);
  return w * h * 4;
}

// A picture's size in pixels, as its header tells it.
struct PictureSize {
  int width = 0;
  int height = 0;
};

struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> bgrx;  // width * height * 4 bytes

  void Resize(int newWidth, int newHeight) {
    bgrx.resize(PixelBytes(newWidth, newHeight));
    width = newWidth;
    height = newHeight;
  }
  std::uint8_t* Row(int y) { return bgrx.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 4; }
  const std::uint8_t* Row(int y) const {
    return bgrx.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 4;
  }
};
