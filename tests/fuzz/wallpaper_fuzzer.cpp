// Any picture size, screen size and fitting option, as the wallpaper
// command lays them out and writes the bitmap file. What a user relies on:
// a fitted wallpaper fills the screen along one side and stays inside it
// along the other, an unfitted one keeps the picture's size, the bitmap
// file's header describes exactly the bytes that follow, and a size no
// such file can hold is refused rather than written wrapped. Also built as
// 32-bit code, where the sizes' products overflow sooner.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "app/app_error.h"
#include "fuzz_check.h"
#include "wallpaper/bmp_writer.h"
#include "wallpaper/wallpaper_layout.h"

namespace {

std::uint32_t Read32(const std::string& file, std::size_t at) {
  std::uint32_t value;
  std::memcpy(&value, file.data() + at, 4);
  return value;  // the test machines are little-endian, as the format is
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const int pictureWidth = input.ConsumeIntegralInRange(1, 65535);
  const int pictureHeight = input.ConsumeIntegralInRange(1, 65535);
  const int screenWidth = input.ConsumeIntegralInRange(1, 1 << 16);
  const int screenHeight = input.ConsumeIntegralInRange(1, 1 << 16);
  const bool fit = input.ConsumeBool();

  WallpaperLayout layout{};
  try {
    layout = LayOutWallpaper(pictureWidth, pictureHeight, screenWidth, screenHeight, fit);
  } catch (const AppError&) {
    FUZZ_CHECK(!"a picture with a size is always laid out");
  }
  if (!fit) {
    FUZZ_CHECK(layout.scale == 1.0 && layout.width == pictureWidth && layout.height == pictureHeight);
  } else {
    const bool fillsAcross = layout.width == screenWidth, fillsDown = layout.height == screenHeight;
    FUZZ_CHECK(fillsAcross || fillsDown);
    FUZZ_CHECK(layout.width <= screenWidth && layout.height <= screenHeight);
    FUZZ_CHECK(layout.width >= 0 && layout.height >= 0);
  }

  const std::int64_t left = CentredOrigin(screenWidth, layout.width);
  const std::int64_t rightMargin = screenWidth - layout.width - left;
  FUZZ_CHECK(std::llabs(rightMargin - left) <= 1);

  // The file, where it is small enough to write here.
  std::uint32_t imageSize = 0;
  try {
    imageSize = Bmp32ImageSize(layout.width, layout.height);
  } catch (const AppError&) {
    FUZZ_CHECK(4.0 * layout.width * layout.height + 54 > 4294967295.0);
    return 0;
  }
  FUZZ_CHECK(imageSize == 4ull * static_cast<std::uint64_t>(layout.width) * static_cast<std::uint64_t>(layout.height));
  if (imageSize > (1u << 22)) return 0;
  const std::string pixels(imageSize, '\x5A');
  const std::string file = EncodeBmp32(layout.width, layout.height, pixels);
  FUZZ_CHECK(file.size() == 54 + imageSize);
  FUZZ_CHECK(file.compare(0, 2, "BM") == 0);
  FUZZ_CHECK(Read32(file, 2) == file.size() && Read32(file, 10) == 54 && Read32(file, 34) == imageSize);
  FUZZ_CHECK(static_cast<int>(Read32(file, 18)) == layout.width && static_cast<int>(Read32(file, 22)) == layout.height);
  FUZZ_CHECK(file.compare(54, std::string::npos, pixels) == 0);
  return 0;
}
