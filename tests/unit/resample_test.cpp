#include "picture/resample.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

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

// Every output channel lies within the range of the source pixels it is
// made from, at many ratios in both directions: a shrinking window from
// floor(t * S / T) to ceil((t + 1) * S / T) - 1, a growing one between the
// two neighbours of the pixel's centre. The sources are black with bright
// pixels where weights go wrong first: at each window's last pixel, which
// may be a sliver, or just past a window that ends on a whole pixel, which
// floating-point error may add to it as a sliver.
TEST(Resample, EveryOutputStaysWithinTheSourcePixelsItAverages) {
  std::vector<std::pair<int, int>> ratios;
  for (int source = 1; source <= 250; ++source) {
    for (int target : {1, 2, 3, 7, 99, 100, 101, 249, 500}) ratios.emplace_back(source, target);
  }
  for (int target : {1, 2, 5, 11}) {
    for (int extra = 0; extra < 180; extra += 7) ratios.emplace_back(180 * target + extra, target);  // 180 to 1 and more
  }
  for (auto [sourceSize, targetSize] : ratios) {
    // The exact window of target pixel t, clamped to the source.
    auto window = [&](int t) {
      long first, last;
      if (sourceSize >= targetSize) {
        first = static_cast<long>(t) * sourceSize / targetSize;
        last = (static_cast<long>(t + 1) * sourceSize + targetSize - 1) / targetSize - 1;
      } else {
        long twice = (2L * t + 1) * sourceSize - targetSize;  // the centre, in halves of a source pixel
        first = twice < 0 ? -1 : twice / (2L * targetSize);
        last = first + 1;
      }
      return std::pair{std::max(0L, first), std::min<long>(sourceSize - 1, last)};
    };
    std::vector<std::uint8_t> lastPixels(static_cast<std::size_t>(sourceSize)), pastWhole(lastPixels);
    for (int t = 0; t < targetSize; ++t) lastPixels[static_cast<std::size_t>(window(t).second)] = 200;
    for (int s = 0; s < sourceSize; ++s) {
      if (static_cast<long>(s) * targetSize % sourceSize == 0) pastWhole[static_cast<std::size_t>(s)] = 200;
    }
    for (const auto& values : {lastPixels, pastWhole}) {
      for (bool across : {true, false}) {
        Pixels source;
        source.Resize(across ? sourceSize : 1, across ? 1 : sourceSize);
        for (int s = 0; s < sourceSize; ++s) {
          std::uint8_t* p = across ? source.Row(0) + s * 4 : source.Row(s);
          p[0] = p[1] = p[2] = values[static_cast<std::size_t>(s)];
        }
        Pixels target;
        Resample(source, across ? targetSize : 1, across ? 1 : targetSize, target);
        for (int t = 0; t < targetSize; ++t) {
          auto [first, last] = window(t);
          auto [low, high] = std::minmax_element(values.begin() + first, values.begin() + last + 1);
          const std::uint8_t* p = across ? target.Row(0) + t * 4 : target.Row(t);
          ASSERT_TRUE(p[0] >= *low && p[0] <= *high)
              << sourceSize << " to " << targetSize << (across ? " across" : " down") << ": pixel " << t << " is "
              << int{p[0]} << ", its sources " << int{*low} << " to " << int{*high};
        }
      }
    }
  }
}
