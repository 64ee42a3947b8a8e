#include "wallpaper/bmp_writer.h"

#include <limits>

#include "app/app_error.h"
#include "app/little_endian.h"

namespace {
constexpr std::uint32_t kHeadersSize = 14 + 40;
}  // namespace

std::uint32_t Bmp32ImageSize(int width, int height) {
  constexpr std::uint64_t kMost = std::numeric_limits<std::uint32_t>::max() - kHeadersSize;
  if (width < 0 || height < 0 ||
      4ull * static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > kMost) {
    throw AppError(kCannotMakeBitmap);
  }
  return 4u * static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(height);
}

std::string EncodeBmp32(int width, int height, std::string_view pixels) {
  const std::uint32_t imageSize = Bmp32ImageSize(width, height);
  std::string out;
  out.reserve(kHeadersSize + imageSize);
  out += "BM";
  PutLittleEndian(out, kHeadersSize + imageSize, 4);
  PutLittleEndian(out, 0, 2);
  PutLittleEndian(out, 0, 2);
  PutLittleEndian(out, kHeadersSize, 4);
  PutLittleEndian(out, 40, 4);
  PutLittleEndian(out, static_cast<std::uint32_t>(width), 4);
  PutLittleEndian(out, static_cast<std::uint32_t>(height), 4);  // positive: bottom-up rows
  PutLittleEndian(out, 1, 2);                                   // planes
  PutLittleEndian(out, 32, 2);                                  // bits per pixel
  PutLittleEndian(out, 0, 4);                                   // BI_RGB
  PutLittleEndian(out, imageSize, 4);
  for (int i = 0; i < 4; ++i) PutLittleEndian(out, 0, 4);  // resolution and colour counts
  out.append(pixels.substr(0, imageSize));
  return out;
}
