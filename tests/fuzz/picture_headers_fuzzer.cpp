// Any bytes taken as an icon or a placeable metafile. What a user relies
// on: the PNG image handed to the platform lies inside the file, the sizes
// are ones an icon can have, a metafile's size is never divided by 0, and
// a header the program writes reads back as written.
#include <cstdint>
#include <cstring>

#include "fuzz_check.h"
#include "picture/picture_headers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (auto icon = FirstIconImage({data, size})) {
    FUZZ_CHECK(icon->width >= 1 && icon->width <= 256 && icon->height >= 1 && icon->height <= 256);
    if (!icon->png.empty()) {
      FUZZ_CHECK(icon->png.data() >= data && icon->png.data() + icon->png.size() <= data + size);
      FUZZ_CHECK(icon->png[1] == 'P');
    }
  }
  if (auto bounds = ReadPlaceableHeader({data, size})) {
    FUZZ_CHECK(bounds->inch > 0 && size > kPlaceableHeaderSize);
    FUZZ_CHECK(bounds->width >= -65535 && bounds->width <= 65535);
  }
  if (size >= 4) {
    std::uint16_t width, height;
    std::memcpy(&width, data, 2);
    std::memcpy(&height, data + 2, 2);
    std::string written = PlaceableHeader(width, height) + "x";
    auto read = ReadPlaceableHeader({reinterpret_cast<const std::uint8_t*>(written.data()), written.size()});
    FUZZ_CHECK(read && read->width == static_cast<std::int16_t>(width) &&
               read->height == static_cast<std::int16_t>(height) && read->inch == kTwipsPerInch);
  }
  return 0;
}
