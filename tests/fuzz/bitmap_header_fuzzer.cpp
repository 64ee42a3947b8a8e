// Any bytes taken as a bitmap file. What a user relies on: what the header
// check lets through hands the platform pixels that lie inside the file and
// cover every row the header announces, with a colour table the depth can
// address, so no file can make the platform read past its data.
#include <cstdint>
#include <cstring>

#include "fuzz_check.h"
#include "picture/bitmap_header.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto source = ReadBitmapSource({data, size});
  if (!source) return 0;
  FUZZ_CHECK(source->width > 0 && source->height > 0);
  const bool inFile = source->bits.data() >= data && source->bits.data() + source->bits.size() <= data + size;
  const bool expanded = source->bits.data() == source->expanded.data() && source->bits.size() == source->expanded.size();
  FUZZ_CHECK(inFile || expanded);
  FUZZ_CHECK(!source->bits.empty());

  std::uint32_t word[10];
  FUZZ_CHECK(source->info.size() >= 40);
  std::memcpy(word, source->info.data(), 40);
  const unsigned bits = word[3] >> 16, compression = word[4], colours = word[8];
  FUZZ_CHECK(static_cast<int>(word[1]) == source->width);
  FUZZ_CHECK(static_cast<int>(word[2]) == (source->topDown ? -source->height : source->height));
  FUZZ_CHECK(colours == (bits <= 8 ? 1u << bits : 0u));
  FUZZ_CHECK(source->info.size() == 40 + (compression == 3 ? 12 : 0) + 4 * colours);
  if (compression == 0 || compression == 3) {
    const std::uint64_t stride = (static_cast<std::uint64_t>(source->width) * bits + 31) / 32 * 4;
    FUZZ_CHECK(source->bits.size() >= stride * static_cast<std::uint64_t>(source->height));
  }
  return 0;
}
