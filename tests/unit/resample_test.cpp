#include "view/resample.h"

#include <gtest/gtest.h>

namespace {

Pixels Filled(int width, int height, std::uint8_t b, std::uint8_t g, std::uint8_t r) {
  Pixels pixels;
  pixels.Resize(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      std::uint8_t* p = pixels.Row(y) + x * 4;
      p[0] = b, p[1] = g, p[2] = r, p[3] = 0;
    }
  }
  return pixels;
}

int Blue(const Pixels& pixels, int x, int y) { return pixels.Row(y)[x * 4]; }

TEST(Resample, KeepsAFlatColourAtEverySize) {
  Pixels source = Filled(37, 23, 10, 128, 250);
  for (auto [w, h] : {std::pair{1, 1}, {5, 3}, {37, 23}, {100, 7}, {401, 300}}) {
    Pixels target;
    Resample(source, w, h, target);
    ASSERT_EQ(target.width, w);
    ASSERT_EQ(target.height, h);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const std::uint8_t* p = target.Row(y) + x * 4;
        ASSERT_EQ(p[0], 10);
        ASSERT_EQ(p[1], 128);
        ASSERT_EQ(p[2], 250);
      }
    }
  }
}

TEST(Resample, ShrinkingAveragesInsteadOfPicking) {
  // A one-pixel checkerboard halved becomes even grey, where nearest
  // neighbour would give all black or all white.
  Pixels board = Filled(64, 64, 0, 0, 0);
  for (int y = 0; y < 64; ++y) {
    for (int x = (y & 1); x < 64; x += 2) board.Row(y)[x * 4] = 255;
  }
  Pixels half;
  Resample(board, 32, 32, half);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) ASSERT_NEAR(Blue(half, x, y), 128, 1);
  }
  // Three to two: the middle source pixel is shared by both targets.
  Pixels row = Filled(3, 1, 0, 0, 0);
  row.Row(0)[4] = 255;
  Pixels two;
  Resample(row, 2, 1, two);
  EXPECT_EQ(Blue(two, 0, 0), 85);
  EXPECT_EQ(Blue(two, 1, 0), 85);
}

TEST(Resample, GrowingBlendsNeighbours) {
  Pixels row = Filled(2, 1, 0, 0, 0);
  row.Row(0)[4] = 200;
  Pixels wide;
  Resample(row, 8, 1, wide);
  // Flat at the ends, rising steadily in between.
  EXPECT_EQ(Blue(wide, 0, 0), 0);
  EXPECT_EQ(Blue(wide, 7, 0), 200);
  for (int x = 1; x < 8; ++x) EXPECT_GE(Blue(wide, x, 0), Blue(wide, x - 1, 0));
  EXPECT_GT(Blue(wide, 4, 0), 0);
  EXPECT_LT(Blue(wide, 3, 0), 200);
}

}  // namespace
