#pragma once
// A decoded picture in memory: 32-bit blue, green, red, unused, rows top
// down, the layout a 32-bit DIB section takes.

#include <cstdint>
#include <vector>

struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> bgrx;  // width * height * 4 bytes

  void Resize(int newWidth, int newHeight) {
    width = newWidth;
    height = newHeight;
    bgrx.resize(static_cast<std::size_t>(newWidth) * static_cast<std::size_t>(newHeight) * 4);
  }
  std::uint8_t* Row(int y) { return bgrx.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 4; }
  const std::uint8_t* Row(int y) const {
    return bgrx.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 4;
  }
};
