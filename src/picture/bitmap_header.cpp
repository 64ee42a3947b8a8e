#include "picture/bitmap_header.h"

#include <algorithm>
#include <limits>

#include "app/little_endian.h"

namespace {

constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6;
constexpr std::size_t kFileHeader = 14;

// The Windows headers; the others of 16 to 64 bytes are OS/2's, whose
// compressions 3 and 4 mean Huffman and RLE24, which no platform draws.
bool IsWindowsHeader(std::uint32_t size) {
  return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

// Bytes in a row of pixels, padded to 4 bytes; counted in 64 bits.
std::uint64_t Stride(std::uint64_t width, unsigned bitCount) { return (width * bitCount + 31) / 32 * 4; }

}  // namespace

std::optional<BitmapSource> ReadBitmapSource(std::span<const std::uint8_t> file) {
  if (file.size() < kFileHeader + 12 || file[0] != 'B' || file[1] != 'M') return std::nullopt;
  const std::uint32_t bitsAt = LittleEndian(file, 10, 4), headerSize = LittleEndian(file, 14, 4);
  const bool core = headerSize == 12;
  if (!core && (headerSize < 16 || headerSize > 124 || (headerSize > 64 && !IsWindowsHeader(headerSize)))) {
    return std::nullopt;
  }
  if (kFileHeader + headerSize > file.size()) return std::nullopt;

  std::int64_t width, height;
  unsigned planes, bitCount;
  std::uint32_t compression = kRgb, colours = 0;
  if (core) {
    width = LittleEndian(file, 18, 2), height = LittleEndian(file, 20, 2);
    planes = LittleEndian(file, 22, 2), bitCount = LittleEndian(file, 24, 2);
  } else {
    width = static_cast<std::int32_t>(LittleEndian(file, 18, 4)),
    height = static_cast<std::int32_t>(LittleEndian(file, 22, 4));
    planes = LittleEndian(file, 26, 2), bitCount = LittleEndian(file, 28, 2);
    if (headerSize >= 20) compression = LittleEndian(file, 30, 4);
    if (headerSize >= 36) colours = LittleEndian(file, 46, 4);
  }
  const bool topDown = height < 0;
  height = topDown ? -height : height;
  if (width <= 0 || height <= 0 || height > std::numeric_limits<std::int32_t>::max() || planes != 1) {
    return std::nullopt;
  }

  // Which pixels, and the masks of the bit-field ones.
  std::uint32_t masks[3] = {};
  std::size_t tableAt = kFileHeader + headerSize;
  switch (compression) {
    case kRgb:
      if (bitCount != 1 && bitCount != 2 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 &&
          bitCount != 32) {
        return std::nullopt;
      }
      break;
    case kRle8:
    case kRle4:
      if (bitCount != (compression == kRle8 ? 8u : 4u) || topDown) return std::nullopt;
      break;
    case kBitFields:
    case kAlphaBitFields:
      if (!IsWindowsHeader(headerSize) || (bitCount != 16 && bitCount != 32)) return std::nullopt;
      if (headerSize == 40) tableAt += compression == kBitFields ? 12 : 16;  // the masks follow the header
      if (tableAt > file.size()) return std::nullopt;
      for (int i = 0; i < 3; ++i) masks[i] = LittleEndian(file, kFileHeader + 40 + 4 * static_cast<std::size_t>(i), 4);
      break;
    default: return std::nullopt;  // JPEG or PNG inside, or an OS/2 compression
  }
  if (compression != kRgb && !IsWindowsHeader(headerSize)) return std::nullopt;

  // The pixels lie after the headers and inside the file; uncompressed
  // ones must all be there.
  if (bitsAt < tableAt || bitsAt >= file.size()) return std::nullopt;
  std::span<const std::uint8_t> bits = file.subspan(bitsAt);
  const std::uint64_t stride = Stride(static_cast<std::uint64_t>(width), bitCount);
  if (compression == kRgb || compression == kBitFields || compression == kAlphaBitFields) {
    if (stride * static_cast<std::uint64_t>(height) > bits.size()) return std::nullopt;
    bits = bits.first(static_cast<std::size_t>(stride * static_cast<std::uint64_t>(height)));
  } else if (static_cast<std::uint64_t>(width) > 128 * bits.size() ||
             static_cast<std::uint64_t>(height) > 64 * bits.size()) {
    // RLE codes fill at most 255 pixels of a row in 2 bytes, and skip at
    // most 255 rows in 4: a size no data could fill is not believed for
    // the memory its pixels would take.
    return std::nullopt;
  }

  BitmapSource source;
  source.width = static_cast<int>(width);
  source.height = static_cast<int>(height);
  source.topDown = topDown;
  source.bits = bits;

  // 2-bit rows as 8-bit ones.
  const unsigned platformBits = bitCount == 2 ? 8 : bitCount;
  if (bitCount == 2) {
    const std::uint64_t wide = Stride(static_cast<std::uint64_t>(width), 8);
    if (wide * static_cast<std::uint64_t>(height) > std::numeric_limits<std::size_t>::max()) return std::nullopt;
    source.expanded.assign(static_cast<std::size_t>(wide * static_cast<std::uint64_t>(height)), 0);
    for (std::uint64_t y = 0; y < static_cast<std::uint64_t>(height); ++y) {
      for (std::uint64_t x = 0; x < static_cast<std::uint64_t>(width); ++x) {
        const std::uint8_t packed = bits[static_cast<std::size_t>(y * stride + x / 4)];
        source.expanded[static_cast<std::size_t>(y * wide + x)] = (packed >> (6 - 2 * (x % 4))) & 3;
      }
    }
    source.bits = source.expanded;
  }

  // The colour table: as many entries as the platform's depth addresses;
  // those the file lacks are black, those beyond its own depth left out.
  std::vector<std::uint8_t> table;
  if (platformBits <= 8) {
    const std::size_t entrySize = core ? 3 : 4, depthEntries = std::size_t{1} << bitCount;
    const std::size_t inFile =
        std::min({(bitsAt - tableAt) / entrySize, colours ? std::size_t{colours} : depthEntries, depthEntries});
    for (std::size_t i = 0; i < (std::size_t{1} << platformBits); ++i) {
      for (std::size_t c = 0; c < 3; ++c) table.push_back(i < inFile ? file[tableAt + i * entrySize + c] : 0);
      table.push_back(0);
    }
  }

  std::vector<std::uint8_t>& info = source.info;
  PutLittleEndian(info, 40, 4);
  PutLittleEndian(info, static_cast<std::uint32_t>(source.width), 4);
  PutLittleEndian(info, static_cast<std::uint32_t>(topDown ? -source.height : source.height), 4);
  PutLittleEndian(info, 1, 2);
  PutLittleEndian(info, platformBits, 2);
  PutLittleEndian(info, compression == kAlphaBitFields ? kBitFields : compression, 4);
  PutLittleEndian(info, static_cast<std::uint32_t>(std::min<std::size_t>(source.bits.size(), UINT32_MAX)), 4);
  PutLittleEndian(info, 0, 4);
  PutLittleEndian(info, 0, 4);
  PutLittleEndian(info, static_cast<std::uint32_t>(table.size() / 4), 4);
  PutLittleEndian(info, 0, 4);
  if (compression == kBitFields || compression == kAlphaBitFields) {
    for (std::uint32_t mask : masks) PutLittleEndian(info, mask, 4);
  }
  info.insert(info.end(), table.begin(), table.end());
  return source;
}
