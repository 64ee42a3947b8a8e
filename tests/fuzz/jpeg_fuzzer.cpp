// Any bytes taken as a JPEG picture: the header read that sizes the list's
// caption and the layout (its EXIF orientation included), then the decode
// at each DCT scale the view and the wallpaper use, turned as the photo is
// seen, then the resampling to the size shown. What a user relies on: a
// picture is drawn at the size its header announced, turned (or refused
// with an error), never at a size too small for the place it is shown in,
// never larger than the picture; damage ends in an error or in what libjpeg
// makes of it, not a crash or a hang. The same bytes as an EXIF segment
// give an orientation from 1 to 8.
#include <cstdint>
#include <span>

#include "app/app_error.h"
#include "fuzz_check.h"
#include "picture/jpeg_decoder.h"
#include "picture/orientation.h"
#include "picture/pixels.h"
#include "picture/resample.h"

namespace {

// The harness's own bound: larger decodes are legitimate but would only
// measure the machine's memory.
constexpr long long kMostPixels = 4096LL * 4096;

long long Scaled(int side, int eighths) { return (static_cast<long long>(side) * eighths + 7) / 8; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  const int orientation = ExifOrientation(bytes);
  FUZZ_CHECK(orientation >= 1 && orientation <= 8);
  PictureSize full;
  try {
    full = ReadJpegHeader(bytes);
  } catch (const AppError&) {
    return 0;
  }
  FUZZ_CHECK(full.width > 0 && full.height > 0 && full.width <= 65535 && full.height <= 65535);

  for (int eighths : {1, 2, 4, 8}) {
    const PictureSize wanted{static_cast<int>(Scaled(full.width, eighths)), static_cast<int>(Scaled(full.height, eighths))};
    const int chosen = JpegScaleEighths(full, wanted);
    FUZZ_CHECK(chosen <= eighths);
    if (Scaled(full.width, chosen) * Scaled(full.height, chosen) > kMostPixels) continue;
    Pixels pixels;
    try {
      DecodeJpeg(bytes, wanted, pixels);
    } catch (const AppError&) {
      FUZZ_CHECK(pixels.bgrx.empty());
      continue;
    } catch (const std::bad_alloc&) {
      continue;  // a lack of memory is a failed read like any other
    }
    FUZZ_CHECK(pixels.width == Scaled(full.width, chosen) && pixels.height == Scaled(full.height, chosen));
    FUZZ_CHECK(pixels.width >= wanted.width && pixels.height >= wanted.height);
    FUZZ_CHECK(pixels.width <= full.width && pixels.height <= full.height);
    FUZZ_CHECK(pixels.bgrx.size() == PixelBytes(pixels.width, pixels.height));

    // Shown smaller, and shown larger than decoded.
    Pixels shown;
    Resample(pixels, 1 + pixels.width / 3, 1 + pixels.height / 5, shown);
    FUZZ_CHECK(shown.bgrx.size() == PixelBytes(shown.width, shown.height));
    if (pixels.width <= 64 && pixels.height <= 64) {
      Resample(pixels, pixels.width * 3 + 1, pixels.height * 2 + 1, shown);
      FUZZ_CHECK(shown.width == pixels.width * 3 + 1 && shown.height == pixels.height * 2 + 1);
    }
  }
  return 0;
}
