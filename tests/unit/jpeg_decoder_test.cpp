#include "picture/jpeg_decoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include <jpeglib.h>

#include "app/app_error.h"

namespace {

// A JPEG of the given size and colour space whose rows fill(y, row) draws,
// with an APP1 segment of these bytes when there are any.
std::vector<std::uint8_t> EncodeRows(int width, int height, J_COLOR_SPACE space, int components,
                                     const std::function<void(int, std::vector<JSAMPLE>&)>& fill,
                                     const std::vector<std::uint8_t>& app1, bool progressive) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = components;
  info.in_color_space = space;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  if (progressive) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  if (!app1.empty()) jpeg_write_marker(&info, JPEG_APP0 + 1, app1.data(), static_cast<unsigned>(app1.size()));
  std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * components);
  while (info.next_scanline < info.image_height) {
    fill(static_cast<int>(info.next_scanline), row);
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<std::uint8_t> data(buffer, buffer + size);
  std::free(buffer);
  return data;
}

// A JPEG of the given size and colour space, every pixel the same.
std::vector<std::uint8_t> Encode(int width, int height, J_COLOR_SPACE space, std::vector<JSAMPLE> pixel,
                                 bool progressive = false) {
  return EncodeRows(
      width, height, space, static_cast<int>(pixel.size()),
      [&](int, std::vector<JSAMPLE>& row) {
        for (std::size_t x = 0; x < row.size(); ++x) row[x] = pixel[x % pixel.size()];
      },
      {}, progressive);
}

// An RGB JPEG whose pixel (x, y) is colour(x, y), with an APP1 segment of
// these bytes when there are any.
std::vector<std::uint8_t> EncodeDrawn(int width, int height,
                                      const std::function<std::array<JSAMPLE, 3>(int, int)>& colour,
                                      const std::vector<std::uint8_t>& app1 = {}) {
  return EncodeRows(
      width, height, JCS_RGB, 3,
      [&](int y, std::vector<JSAMPLE>& row) {
        for (int x = 0; x < width; ++x) std::copy_n(colour(x, y).begin(), 3, row.begin() + x * 3);
      },
      app1, false);
}

// An EXIF segment, little-endian, whose one entry is the orientation.
std::vector<std::uint8_t> ExifOrientationSegment(std::uint8_t orientation) {
  return {'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 42, 0, 8, 0, 0, 0, 1, 0, 0x12, 0x01, 3, 0, 1, 0, 0, 0,
          orientation, 0, 0, 0, 0, 0, 0, 0};
}

// Where a marker (FF and code) is first found from a position on.
std::size_t Find(const std::vector<std::uint8_t>& data, std::uint8_t code, std::size_t from = 0) {
  for (std::size_t i = from; i + 1 < data.size(); ++i) {
    if (data[i] == 0xFF && data[i + 1] == code) return i;
  }
  return data.size();
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

// What libjpeg decodes with a warning is drawn as it makes it up; only its
// errors fail, with its message.
TEST(JpegDecoder, OnlyLibjpegsErrorsFail) {
  auto data = Encode(64, 64, JCS_RGB, {1, 2, 3});
  auto cut = data;
  cut.resize(cut.size() - 40);
  EXPECT_EQ(ErrorOf(cut), "");
  EXPECT_EQ(ErrorOf(std::vector<std::uint8_t>(100, 0x41)), "Not a JPEG file: starts with 0x41 0x41");
  EXPECT_EQ(ErrorOf(data), "");
  // A Huffman table between two scans of a progressive picture that holds
  // more codes than there are: the header reads, the decode fails.
  auto progressive = Encode(64, 64, JCS_RGB, {1, 2, 3}, true);
  std::size_t table = Find(progressive, 0xC4, Find(progressive, 0xDA));
  ASSERT_LT(table + 21, progressive.size());
  std::fill(progressive.begin() + static_cast<std::ptrdiff_t>(table) + 5,
            progressive.begin() + static_cast<std::ptrdiff_t>(table) + 21, 0xFF);
  EXPECT_EQ(ReadJpegHeader(progressive).width, 64);
  EXPECT_EQ(ErrorOf(progressive), "Bogus Huffman table definition");
}

// A newer JFIF version (byte 11, the major version, 2), an end marker
// missing, a copy cut in half: libjpeg reads them with a warning, and so
// does the program, the half copy's top as in the whole file.
TEST(JpegDecoder, FilesLibjpegReadsWithAWarning) {
  auto gradient = [](int x, int y) {
    return std::array<JSAMPLE, 3>{static_cast<JSAMPLE>(x * 4), static_cast<JSAMPLE>(y * 2), 90};
  };
  const auto whole = EncodeDrawn(64, 128, gradient);
  Pixels expected, pixels;
  DecodeJpeg(whole, {64, 128}, expected);

  auto newer = whole;
  ASSERT_EQ(newer[11], 1);
  newer[11] = 2;
  EXPECT_EQ(ReadJpegHeader(newer).height, 128);
  DecodeJpeg(newer, {64, 128}, pixels);
  EXPECT_EQ(pixels.bgrx, expected.bgrx);

  auto noEnd = whole;
  noEnd.resize(noEnd.size() - 2);
  DecodeJpeg(noEnd, {64, 128}, pixels);
  EXPECT_EQ(pixels.bgrx, expected.bgrx);

  // An ink picture whose Adobe segment names a colour transform libjpeg
  // does not know (its byte 15 from the marker): libjpeg takes it for the
  // transformed kind, as djpeg shows it.
  auto ink = Encode(16, 16, JCS_CMYK, {0, 255, 255, 255});
  std::size_t adobe = Find(ink, 0xEE);
  ASSERT_LT(adobe + 15, ink.size());
  ink[adobe + 15] = 7;
  EXPECT_EQ(ReadJpegHeader(ink).width, 16);
  EXPECT_EQ(ErrorOf(ink), "");

  auto half = whole;
  half.resize(half.size() / 2);
  DecodeJpeg(half, {64, 128}, pixels);
  ASSERT_EQ(pixels.height, 128);
  const std::size_t topRows = 16 * 64 * 4;
  EXPECT_TRUE(std::equal(pixels.bgrx.begin(), pixels.bgrx.begin() + topRows, expected.bgrx.begin()));
  EXPECT_FALSE(std::equal(pixels.bgrx.begin(), pixels.bgrx.end(), expected.bgrx.begin()));
}

// A photo stored 64 x 32 with a red top left corner on blue, seen in each
// EXIF orientation: the size seen and where the corner is, at full size
// and at a DCT scale chosen for the size seen.
TEST(JpegDecoder, PhotosAreSeenAsTheCameraTookThem) {
  auto corner = [](int x, int y) {
    return x < 16 && y < 16 ? std::array<JSAMPLE, 3>{230, 20, 20} : std::array<JSAMPLE, 3>{20, 20, 230};
  };
  enum Corner { TopLeft, TopRight, BottomRight, BottomLeft };
  const Corner where[] = {TopLeft, TopLeft, TopRight, BottomRight, BottomLeft, TopLeft, TopRight, BottomRight, BottomLeft};
  for (std::uint8_t orientation = 1; orientation <= 8; ++orientation) {
    const auto data = EncodeDrawn(64, 32, corner, ExifOrientationSegment(orientation));
    const bool quarter = orientation >= 5;
    const PictureSize seen = ReadJpegHeader(data);
    EXPECT_EQ(seen.width, quarter ? 32 : 64) << int{orientation};
    EXPECT_EQ(seen.height, quarter ? 64 : 32) << int{orientation};
    for (int eighths : {8, 4}) {
      Pixels pixels;
      DecodeJpeg(data, {seen.width * eighths / 8, seen.height * eighths / 8}, pixels);
      ASSERT_EQ(pixels.width, seen.width * eighths / 8);
      ASSERT_EQ(pixels.height, seen.height * eighths / 8);
      const int right = pixels.width - 2, bottom = pixels.height - 2;
      const int corners[4][2] = {{1, 1}, {right, 1}, {right, bottom}, {1, bottom}};
      for (int c = 0; c < 4; ++c) {
        const std::uint8_t* p = pixels.Row(corners[c][1]) + corners[c][0] * 4;
        EXPECT_EQ(p[2] > p[0], c == where[orientation]) << int{orientation} << " corner " << c << " at " << eighths;
      }
    }
  }
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
