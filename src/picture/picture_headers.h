#pragma once
// The headers of the icon and placeable metafile formats: what the program
// reads of them before the platform is handed the rest.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

struct IconImage {
  int width = 0;  // from the directory: 1 to 256
  int height = 0;
  // The image's PNG data when it is stored as PNG and lies inside the file;
  // empty for the classic kind.
  std::span<const std::uint8_t> png;
};

// The first image of an icon file's directory, or nothing when the file is
// no icon.
std::optional<IconImage> FirstIconImage(std::span<const std::uint8_t> file);

// The 22 bytes in front of a placeable Windows metafile.
constexpr std::size_t kPlaceableHeaderSize = 22;

struct PlaceableBounds {
  int width = 0;  // in units, of which inch make an inch; may be negative
  int height = 0;
  int inch = 0;  // never 0
};

// The bounds a placeable metafile gives, or nothing when the file is none
// or holds no records behind its header.
std::optional<PlaceableBounds> ReadPlaceableHeader(std::span<const std::uint8_t> file);

// The unit of the headers the program writes.
inline constexpr int kTwipsPerInch = 1440;

// The header for records whose bounds measure the given twips, with its
// checksum.
std::string PlaceableHeader(std::uint16_t widthTwips, std::uint16_t heightTwips);
