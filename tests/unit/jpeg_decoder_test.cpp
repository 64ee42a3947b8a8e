#include "picture/jpeg_decoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

#include "app/app_error.h"

namespace {

// A JPEG of the given size and colour space, every pixel the same.
std::vector<std::uint8_t> Encode(int width, int height, J_COLOR_SPACE space, std::vector<JSAMPLE> pixel,
                                 bool progressive = false) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = static_cast<int>(pixel.size());
  info.in_color_space = space;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  if (progressive) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row;
  for (int x = 0; x < width; ++x) row.insert(row.end(), pixel.begin(), pixel.end());
  while (info.next_scanline < info.image_height) {
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<std::uint8_t> data(buffer, buffer + size);
  std::free(buffer);
  return data;
}

void ExpectColour(const Pixels& pixels, int blue, int green, int red) {
  for (int y = 0; y < pixels.height; ++y) {
    for (int x = 0; x < pixels.width; ++x) {
      const std::uint8_t* p = pixels.Row(y) + x * 4;
      ASSERT_NEAR(p[0], blue, 3) << x << "," << y;
      ASSERT_NEAR(p[1], green, 3) << x << "," << y;
      ASSERT_NEAR(p[2], red, 3) << x << "," << y;
    }
  }
}

std::string ErrorOf(const std::vector<std::uint8_t>& data) {
  try {
    Pixels pixels;
    DecodeJpeg(data, {1, 1}, pixels);
  } catch (const AppError& error) {
    return error.what();
  }
  return "";
}

TEST(JpegDecoder, HeaderGivesTheSizeWithoutDecoding) {
  auto data = Encode(123, 45, JCS_RGB, {10, 200, 30});
  PictureSize size = ReadJpegHeader(data);
  EXPECT_EQ(size.width, 123);
  EXPECT_EQ(size.height, 45);
  // The header alone is enough: cut the data right after the scan header.
  for (std::size_t i = 0; i + 1 < data.size(); ++i) {
    if (data[i] == 0xFF && data[i + 1] == 0xDA) {
      data.resize(i + 16);
      break;
    }
  }
  EXPECT_EQ(ReadJpegHeader(data).width, 123);
  EXPECT_THROW(ReadJpegHeader(std::vector<std::uint8_t>(100, 0x41)), AppError);
  EXPECT_THROW(ReadJpegHeader({}), AppError);
}

TEST(JpegDecoder, SmallestScaleThatCoversTheWantedSize) {
  const struct {
    PictureSize full, wanted;
    int eighths;
  } cases[] = {
      {{6000, 4000}, {800, 533}, 2},  // 750 wide at 1/8 is too small
      {{6000, 4000}, {750, 500}, 1},
      {{6000, 4000}, {1500, 1000}, 2},
      {{6000, 4000}, {1501, 1000}, 4},
      {{6000, 4000}, {3001, 10}, 8},
      {{100, 50}, {375, 188}, 8},  // enlarged: full size
      {{9, 9}, {2, 2}, 1},         // 9/8 rounds up to 2
      {{9, 9}, {4, 2}, 4},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(JpegScaleEighths(c.full, c.wanted), c.eighths) << c.wanted.width << "x" << c.wanted.height;
  }
}

TEST(JpegDecoder, DecodesAtTheScaleInBlueGreenRedOrder) {
  for (bool progressive : {false, true}) {
    auto data = Encode(640, 480, JCS_RGB, {200, 100, 50}, progressive);
    Pixels pixels;
    DecodeJpeg(data, {80, 60}, pixels);
    EXPECT_EQ(pixels.width, 80);
    EXPECT_EQ(pixels.height, 60);
    ExpectColour(pixels, 50, 100, 200);
    DecodeJpeg(data, {641, 1}, pixels);
    EXPECT_EQ(pixels.width, 640);
    ExpectColour(pixels, 50, 100, 200);
  }
}

TEST(JpegDecoder, GreyAndInkPictures) {
  Pixels pixels;
  DecodeJpeg(Encode(16, 16, JCS_GRAYSCALE, {128}), {16, 16}, pixels);
  ExpectColour(pixels, 128, 128, 128);
  // libjpeg marks ink pictures the Adobe way, whose values are inverted:
  // full cyan and nothing else prints as cyan.
  DecodeJpeg(Encode(16, 16, JCS_CMYK, {0, 255, 255, 255}), {16, 16}, pixels);
  ExpectColour(pixels, 255, 255, 0);
}

TEST(JpegDecoder, DamagedDataFailsWithLibjpegsMessage) {
  auto data = Encode(64, 64, JCS_RGB, {1, 2, 3});
  auto cut = data;
  cut.resize(cut.size() - 40);
  EXPECT_EQ(ErrorOf(cut), "Premature end of JPEG file");
  EXPECT_EQ(ErrorOf(std::vector<std::uint8_t>(100, 0x41)), "Not a JPEG file: starts with 0x41 0x41");
  EXPECT_EQ(ErrorOf(data), "");
}

// A file of a few hundred bytes whose header announces a huge progressive
// picture is a lack of memory at once, not gigabytes taken for its
// coefficients; a large real photo still decodes.
TEST(JpegDecoder, HugeAnnouncedProgressivePicturesAreALackOfMemory) {
  auto data = Encode(16, 16, JCS_RGB, {1, 2, 3}, true);
  const std::uint8_t startOfFrame[] = {0xFF, 0xC2};
  auto frame = std::search(data.begin(), data.end(), std::begin(startOfFrame), std::end(startOfFrame));
  ASSERT_NE(frame, data.end());
  for (int i : {5, 7}) frame[i] = 0x75, frame[i + 1] = 0x30;  // 30000 x 30000
  EXPECT_EQ(ErrorOf(data), std::string(kOutOfMemory));

  auto photo = Encode(6000, 4000, JCS_RGB, {200, 100, 50}, true);
  Pixels pixels;
  DecodeJpeg(photo, {750, 500}, pixels);
  EXPECT_EQ(pixels.width, 750);
  ExpectColour(pixels, 50, 100, 200);
}

}  // namespace
