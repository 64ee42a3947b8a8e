#include <gtest/gtest.h>

#include "app/app_error.h"
#include "app/random_pick.h"
#include "picture/pixels.h"
#include "wallpaper/bmp_writer.h"
#include "wallpaper/wallpaper_layout.h"
#include "wallpaper/wallpaper_options.h"

using namespace std::string_literals;

namespace {

struct LayoutCase {
  int width, height;
  bool fit;
  int expectedWidth, expectedHeight;
  long long originX, originY;
};

// A 1024 × 768 screen.
const LayoutCase kLayoutCases[] = {
    {800, 600, true, 1024, 768, 0, 0},        // equal aspects: the width rule
    {600, 800, true, 576, 768, 224, 0},
    {300, 200, true, 1024, 683, 0, 42},
    {2048, 5, true, 1024, 2, 0, 383},         // 2.5 rounds to 2
    {2048, 1, true, 1024, 0, 0, 384},         // a bitmap 0 pixels high
    {1601, 1201, false, 1601, 1201, -288, -216},  // -577 div 2 is -288
    {100, 50, false, 100, 50, 462, 359},
};

TEST(WallpaperLayout, WorkedExamples) {
  for (const auto& c : kLayoutCases) {
    WallpaperLayout layout = LayOutWallpaper(c.width, c.height, 1024, 768, c.fit);
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
    EXPECT_EQ(layout.width, c.expectedWidth);
    EXPECT_EQ(layout.height, c.expectedHeight);
    EXPECT_EQ(CentredOrigin(1024, layout.width), c.originX);
    EXPECT_EQ(CentredOrigin(768, layout.height), c.originY);
  }
  EXPECT_EQ(LayOutWallpaper(600, 800, 1024, 768, true).scale, 0.96);
  EXPECT_EQ(LayOutWallpaper(1601, 1201, 1024, 768, false).scale, 1.0);
}

TEST(WallpaperLayout, NoPictureIsAnInvalidOperation) {
  try {
    LayOutWallpaper(0, 0, 1024, 768, true);
    FAIL();
  } catch (const AppError& error) {
    EXPECT_STREQ(error.what(), "不正な浮動小数点数演算命令");
  }
}

TEST(BmpFile, HeadersAndBottomUpRows) {
  std::string pixels = "\x01\x02\x03\x00\x04\x05\x06\x00"s;  // 2 × 1
  std::string file = EncodeBmp32(2, 1, pixels);
  ASSERT_EQ(file.size(), 54u + 8u);
  const std::string header =
      "BM\x3E\0\0\0\0\0\0\0\x36\0\0\0"              // size 62, offset 54
      "\x28\0\0\0\x02\0\0\0\x01\0\0\0\x01\0\x20\0"  // 40, 2 × 1, 1 plane, 32 bits
      "\0\0\0\0\x08\0\0\0"                          // BI_RGB, image size 8
      "\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0"s;
  EXPECT_EQ(file.substr(0, 54), header);
  EXPECT_EQ(file.substr(54), pixels);
  EXPECT_EQ(EncodeBmp32(0, 5, "").size(), 54u);
}

// A picture of 32768 × 32768 shown without fitting: its file's sizes would
// wrap to 0, and a 54-byte file would become the wallpaper.
TEST(BmpFile, RefusesSizesItsHeaderCannotHold) {
  EXPECT_EQ(Bmp32ImageSize(32767, 32767), 4u * 32767u * 32767u);
  for (auto [width, height] : {std::pair{32768, 32768}, {65536, 16384}, {-1, 1}, {1, -1}}) {
    EXPECT_THROW(Bmp32ImageSize(width, height), AppError) << width << " x " << height;
    EXPECT_THROW(EncodeBmp32(width, height, ""), AppError) << width << " x " << height;
  }
}

// The bytes of a picture in memory never wrap: on the 32-bit program a
// 32768 × 32769 picture asked for 128 KiB and its rows were written past them.
TEST(Pixels, SizesThatCannotBeCountedAreRefused) {
  EXPECT_EQ(PixelBytes(3, 2), 24u);
  EXPECT_THROW(PixelBytes(-1, 2), AppError);
  Pixels pixels;
  if constexpr (sizeof(std::size_t) == 4) {
    EXPECT_THROW(pixels.Resize(32768, 32769), AppError);
    EXPECT_THROW(pixels.Resize(65536, 16384), AppError);
  }
  EXPECT_THROW(pixels.Resize(-5, 5), AppError);
  EXPECT_EQ(pixels.width, 0);  // a refused size leaves the pixels as they were
}

TEST(OptionCaptions, MarkGoesOnAndComesOff) {
  EXPECT_EQ(CaptionAfterSwitch("並べて表示(&T)", false), "* 並べて表示(&T)");
  EXPECT_EQ(CaptionAfterSwitch("* 並べて表示(&T)", true), "並べて表示(&T)");
  // The first two bytes go unchecked, and at most 100 bytes stay.
  EXPECT_EQ(CaptionAfterSwitch("並べて表示(&T)", true), "べて表示(&T)");
  EXPECT_EQ(CaptionAfterSwitch("* " + std::string(150, 'a'), true), std::string(100, 'a'));
  EXPECT_EQ(CaptionAfterSwitch("*", true), "");
}

TEST(RandomPick, KnownSequenceFromAClockSeed) {
  std::uint32_t seed = SeedFromClock(13, 5, 7, 250);
  EXPECT_EQ(seed, 47107250u);
  EXPECT_EQ(NextRandomBelow(seed, 10), 6u);
  EXPECT_EQ(NextRandomBelow(seed, 10), 7u);
  EXPECT_EQ(NextRandomBelow(seed, 10), 6u);
  EXPECT_EQ(NextRandomBelow(seed, 1000), 397u);
  EXPECT_EQ(NextRandomBelow(seed, 1), 0u);
  EXPECT_EQ(NextRandomBelow(seed, 0), 0u);
  std::uint32_t last = SeedFromClock(23, 59, 59, 999);
  EXPECT_EQ(last, 86399999u);
}

}  // namespace
