#include "wallpaper/bmp_file.h"

#include <limits>

#include "app/app_error.h"

namespace {

constexpr std::uint32_t kHeadersSize = 14 + 40;

void Put16(std::string& out, std::uint16_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>(value >> 8);
}

void Put32(std::string& out, std::uint32_t value) {
  Put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
  Put16(out, static_cast<std::uint16_t>(value >> 16));
}

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
  Put32(out, kHeadersSize + imageSize);
  Put16(out, 0);
  Put16(out, 0);
  Put32(out, kHeadersSize);
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height));  // positive: bottom-up rows
  Put16(out, 1);                                   // planes
  Put16(out, 32);                                  // bits per pixel
  Put32(out, 0);                                   // BI_RGB
  Put32(out, imageSize);
  for (int i = 0; i < 4; ++i) Put32(out, 0);  // resolution and colour counts
  out.append(pixels.substr(0, imageSize));
  return out;
}
