#include "picture/orientation.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <utility>

namespace {

// A TIFF structure's numbers, in the byte order its header names.
class TiffReader {
 public:
  TiffReader(std::span<const std::uint8_t> tiff, bool bigEndian) : tiff_(tiff), bigEndian_(bigEndian) {}

  // The size bytes (2 or 4) at offset at; false when they lie outside.
  bool Read(std::size_t at, std::size_t size, std::uint32_t& value) const {
    if (at > tiff_.size() || size > tiff_.size() - at) return false;
    value = 0;
    for (std::size_t i = 0; i < size; ++i) {
      const std::uint32_t byte = tiff_[at + (bigEndian_ ? i : size - 1 - i)];
      value = value << 8 | byte;
    }
    return true;
  }

 private:
  std::span<const std::uint8_t> tiff_;
  bool bigEndian_;
};

constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kShortType = 3;

}  // namespace

int ExifOrientation(std::span<const std::uint8_t> app1) {
  constexpr std::uint8_t kExifName[] = {'E', 'x', 'i', 'f', 0, 0};
  if (app1.size() < sizeof kExifName || std::memcmp(app1.data(), kExifName, sizeof kExifName) != 0) return kUpright;
  const auto tiff = app1.subspan(sizeof kExifName);
  if (tiff.size() < 8) return kUpright;
  bool bigEndian;
  if (tiff[0] == 'I' && tiff[1] == 'I') {
    bigEndian = false;
  } else if (tiff[0] == 'M' && tiff[1] == 'M') {
    bigEndian = true;
  } else {
    return kUpright;
  }
  const TiffReader reader(tiff, bigEndian);
  std::uint32_t magic = 0, directory = 0, entries = 0;
  if (!reader.Read(2, 2, magic) || magic != 42 || !reader.Read(4, 4, directory) ||
      !reader.Read(directory, 2, entries)) {
    return kUpright;
  }
  // A directory that claims more entries than its segment holds is no
  // directory; so no offset below passes the segment's end.
  if (entries > (tiff.size() - directory - 2) / 12) return kUpright;
  for (std::uint32_t i = 0; i < entries; ++i) {
    // Each entry: tag, type, count, then the value itself when it fits in
    // four bytes, as one short does.
    const std::size_t entry = std::size_t{directory} + 2 + std::size_t{i} * 12;
    std::uint32_t tag = 0, type = 0, count = 0, value = 0;
    if (!reader.Read(entry, 2, tag) || !reader.Read(entry + 2, 2, type) || !reader.Read(entry + 4, 4, count) ||
        !reader.Read(entry + 8, 2, value)) {
      return kUpright;
    }
    if (tag != kOrientationTag) continue;
    if (type != kShortType || count != 1 || value < 1 || value > 8) return kUpright;
    return static_cast<int>(value);
  }
  return kUpright;
}

void Orient(Pixels& pixels, int orientation) {
  if (orientation < 2 || orientation > 8) return;
  const std::ptrdiff_t w = pixels.width, h = pixels.height, row = w * 4;
  Pixels turned;
  if (SwapsSides(orientation)) {
    turned.Resize(pixels.height, pixels.width);
  } else {
    turned.Resize(pixels.width, pixels.height);
  }
  // Where the source of the first pixel of row y lies, and how far the
  // source of the next pixel is from it, in bytes.
  auto rowStart = [&](std::ptrdiff_t y, std::ptrdiff_t& first, std::ptrdiff_t& step) {
    switch (orientation) {
      case 2: first = (w - 1) * 4 + y * row, step = -4; break;
      case 3: first = (w - 1) * 4 + (h - 1 - y) * row, step = -4; break;
      case 4: first = (h - 1 - y) * row, step = 4; break;
      case 5: first = y * 4, step = row; break;
      case 6: first = y * 4 + (h - 1) * row, step = -row; break;
      case 7: first = (w - 1 - y) * 4 + (h - 1) * row, step = -row; break;
      default: first = (w - 1 - y) * 4, step = row; break;
    }
  };
  // In tiles, so that a quarter turn, which reads the source down its
  // columns, reads each of its rows from the cache.
  constexpr std::ptrdiff_t kTile = 64;
  const std::uint8_t* source = pixels.bgrx.data();
  const std::ptrdiff_t outWidth = turned.width, outHeight = turned.height;
  for (std::ptrdiff_t tileY = 0; tileY < outHeight; tileY += kTile) {
    for (std::ptrdiff_t tileX = 0; tileX < outWidth; tileX += kTile) {
      const std::ptrdiff_t endY = std::min(tileY + kTile, outHeight), endX = std::min(tileX + kTile, outWidth);
      for (std::ptrdiff_t y = tileY; y < endY; ++y) {
        std::ptrdiff_t first = 0, step = 0;
        rowStart(y, first, step);
        std::uint8_t* out = turned.Row(static_cast<int>(y));
        for (std::ptrdiff_t x = tileX; x < endX; ++x) std::memcpy(out + x * 4, source + first + x * step, 4);
      }
    }
  }
  pixels = std::move(turned);
}
