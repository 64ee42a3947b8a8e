#include "picture/picture_headers.h"

#include <cstring>

#include "app/little_endian.h"

namespace {
constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
}  // namespace

std::optional<IconImage> FirstIconImage(std::span<const std::uint8_t> file) {
  // The directory's six bytes, then the first of its 16-byte entries.
  if (file.size() < 22 || LittleEndian(file, 0, 2) != 0 || LittleEndian(file, 2, 2) != 1 ||
      LittleEndian(file, 4, 2) == 0) {
    return std::nullopt;
  }
  IconImage image;
  // A size byte of 0 means 256.
  image.width = file[6] ? file[6] : 256;
  image.height = file[7] ? file[7] : 256;
  constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  const std::uint32_t size = LittleEndian(file, 14, 4), offset = LittleEndian(file, 18, 4);
  if (offset <= file.size() && size <= file.size() - offset && size >= sizeof kSignature &&
      std::memcmp(file.data() + offset, kSignature, sizeof kSignature) == 0) {
    image.png = file.subspan(offset, size);
  }
  return image;
}

std::optional<PlaceableBounds> ReadPlaceableHeader(std::span<const std::uint8_t> file) {
  if (file.size() <= kPlaceableHeaderSize || LittleEndian(file, 0, 4) != kPlaceableKey) return std::nullopt;
  auto signedWord = [&](std::size_t at) {
    return static_cast<int>(static_cast<std::int16_t>(LittleEndian(file, at, 2)));
  };
  PlaceableBounds bounds;
  bounds.width = signedWord(10) - signedWord(6);
  bounds.height = signedWord(12) - signedWord(8);
  bounds.inch = static_cast<int>(LittleEndian(file, 14, 2));
  if (bounds.inch == 0) return std::nullopt;
  return bounds;
}

std::string PlaceableHeader(std::uint16_t widthTwips, std::uint16_t heightTwips) {
  std::string header;
  PutLittleEndian(header, kPlaceableKey, 4);
  PutLittleEndian(header, 0, 2);  // no handle
  PutLittleEndian(header, 0, 2);  // left and top
  PutLittleEndian(header, 0, 2);
  PutLittleEndian(header, widthTwips, 2);
  PutLittleEndian(header, heightTwips, 2);
  PutLittleEndian(header, kTwipsPerInch, 2);
  PutLittleEndian(header, 0, 4);  // reserved
  const auto words = std::span(reinterpret_cast<const std::uint8_t*>(header.data()), header.size());
  std::uint32_t checksum = 0;
  for (std::size_t i = 0; i < words.size(); i += 2) checksum ^= LittleEndian(words, i, 2);
  PutLittleEndian(header, checksum, 2);
  return header;
}
