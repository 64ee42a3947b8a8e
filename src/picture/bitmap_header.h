#pragma once
// A bitmap file's headers, checked before any of its pixels reach the
// platform: the Windows and OS/2 headers, every bit depth, palettes shorter
// or longer than the depth needs, RLE and bit-field pixels, rows top down
// or bottom up. What passes is handed to the platform as one plain form.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

struct BitmapSource {
  int width = 0;
  int height = 0;  // positive; topDown says which way the rows run
  bool topDown = false;
  // A 40-byte Windows info header, the three bit-field masks where the
  // pixels use them, then the full colour table (blue, green, red, 0) for
  // depths of 8 bits and less: the form every platform takes.
  std::vector<std::uint8_t> info;
  // The pixels as the info describes them: inside the file, or expanded
  // from 2-bit rows, which the platform does not read, into 8-bit ones.
  std::span<const std::uint8_t> bits;
  std::vector<std::uint8_t> expanded;
};

// Nothing when the file is no bitmap the platform can draw soundly: a
// header of no known kind, a depth or compression it does not take, a
// size of 0, pixel data that is cut short or lies outside the file.
std::optional<BitmapSource> ReadBitmapSource(std::span<const std::uint8_t> file);
