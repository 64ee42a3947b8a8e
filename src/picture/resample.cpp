#include "picture/resample.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

constexpr int kWeightBits = 14;
constexpr int kWeightOne = 1 << kWeightBits;

// For each target position, the source positions it draws on and their
// weights, which add up to kWeightOne.
struct Contributions {
  std::vector<int> first;  // per target position
  std::vector<int> count;
  std::vector<std::int32_t> weights;  // count[i] weights from offset[i]
  std::vector<std::size_t> offset;
};

// The shares as whole weights that are never negative and add up to
// exactly kWeightOne: each share rounded down, and the units left over go
// to the shares that rounding down cut the most. (Giving the last share
// whatever the others left made it negative after a sliver, and a black
// pixel next to a bright one came out white.)
void AppendWeights(const std::vector<double>& shares, double total, std::vector<std::int32_t>& weights) {
  if (shares.empty()) return;
  const std::size_t base = weights.size();
  std::vector<std::pair<double, std::size_t>> cut;
  std::int32_t given = 0;
  for (std::size_t i = 0; i < shares.size(); ++i) {
    const double exact = std::max(0.0, shares[i] / total * kWeightOne);
    const auto w = std::min(kWeightOne, static_cast<std::int32_t>(std::floor(exact)));
    weights.push_back(w);
    given += w;
    cut.emplace_back(exact - w, i);
  }
  std::stable_sort(cut.begin(), cut.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  for (std::size_t k = 0; given < kWeightOne; k = (k + 1) % cut.size(), ++given) ++weights[base + cut[k].second];
}

Contributions Weigh(int sourceSize, int targetSize) {
  Contributions c;
  c.first.resize(static_cast<std::size_t>(targetSize));
  c.count.resize(static_cast<std::size_t>(targetSize));
  c.offset.resize(static_cast<std::size_t>(targetSize));
  const double ratio = static_cast<double>(sourceSize) / targetSize;
  std::vector<double> raw;
  for (int t = 0; t < targetSize; ++t) {
    raw.clear();
    int first;
    if (ratio >= 1) {
      // Area averaging: the share of each source pixel inside [t, t+1) scaled back.
      double begin = t * ratio, end = (t + 1) * ratio;
      first = static_cast<int>(begin);
      int last = std::min(sourceSize - 1, static_cast<int>(std::ceil(end)) - 1);
      for (int s = first; s <= last; ++s) raw.push_back(std::min<double>(end, s + 1) - std::max<double>(begin, s));
    } else {
      // Bilinear: the two source pixels around the target pixel's centre.
      double centre = (t + 0.5) * ratio - 0.5;
      int left = static_cast<int>(std::floor(centre));
      double fraction = centre - left;
      int a = std::clamp(left, 0, sourceSize - 1), b = std::clamp(left + 1, 0, sourceSize - 1);
      first = a;
      if (a == b) {
        raw.push_back(1);
      } else {
        raw.push_back(1 - fraction);
        raw.push_back(fraction);
      }
    }
    double total = 0;
    for (double w : raw) total += w;
    c.first[static_cast<std::size_t>(t)] = first;
    c.count[static_cast<std::size_t>(t)] = static_cast<int>(raw.size());
    c.offset[static_cast<std::size_t>(t)] = c.weights.size();
    AppendWeights(raw, total, c.weights);
  }
  return c;
}

// One source row resampled across, kept with 8 extra bits of precision.
void ResampleRowAcross(const std::uint8_t* in, const Contributions& across, int width, std::uint16_t* out) {
  for (int x = 0; x < width; ++x) {
    const std::int32_t* w = across.weights.data() + across.offset[static_cast<std::size_t>(x)];
    const std::uint8_t* p = in + static_cast<std::size_t>(across.first[static_cast<std::size_t>(x)]) * 4;
    std::uint32_t b = 0, g = 0, r = 0;
    for (int i = 0, n = across.count[static_cast<std::size_t>(x)]; i < n; ++i, p += 4) {
      auto wi = static_cast<std::uint32_t>(w[i]);
      b += p[0] * wi;
      g += p[1] * wi;
      r += p[2] * wi;
    }
    constexpr int kShift = kWeightBits - 8;
    out[0] = static_cast<std::uint16_t>((b + (1u << (kShift - 1))) >> kShift);
    out[1] = static_cast<std::uint16_t>((g + (1u << (kShift - 1))) >> kShift);
    out[2] = static_cast<std::uint16_t>((r + (1u << (kShift - 1))) >> kShift);
    out[3] = 0;
    out += 4;
  }
}

}  // namespace

void Resample(const Pixels& source, int width, int height, Pixels& target) {
  const Contributions across = Weigh(source.width, width);
  const Contributions down = Weigh(source.height, height);
  target.Resize(width, height);
  const std::size_t stride = static_cast<std::size_t>(width) * 4;
  // The source rows a target row draws on only move forward, so a ring of
  // rows resampled across, as deep as the widest such window, is enough: a
  // huge picture never needs a second full-height copy.
  const std::size_t depth = static_cast<std::size_t>(*std::max_element(down.count.begin(), down.count.end()));
  std::vector<std::uint16_t> ring(stride * depth);
  int nextAcross = 0;
  std::vector<std::uint32_t> sums(stride);
  for (int y = 0; y < height; ++y) {
    const std::int32_t* w = down.weights.data() + down.offset[static_cast<std::size_t>(y)];
    const int first = down.first[static_cast<std::size_t>(y)], n = down.count[static_cast<std::size_t>(y)];
    for (; nextAcross < first + n; ++nextAcross) {
      if (nextAcross < first) continue;  // a row no target row needs
      ResampleRowAcross(source.Row(nextAcross), across, width,
                        ring.data() + static_cast<std::size_t>(nextAcross) % depth * stride);
    }
    std::fill(sums.begin(), sums.end(), 0u);
    for (int i = 0; i < n; ++i) {
      const std::uint16_t* row = ring.data() + static_cast<std::size_t>(first + i) % depth * stride;
      const auto wi = static_cast<std::uint32_t>(w[i]);
      for (std::size_t x = 0; x < stride; ++x) sums[x] += row[x] * wi;
    }
    std::uint8_t* out = target.Row(y);
    constexpr int kShift = kWeightBits + 8;
    for (std::size_t x = 0; x < stride; ++x) {
      out[x] = static_cast<std::uint8_t>(std::min<std::uint32_t>(255, (sums[x] + (1u << (kShift - 1))) >> kShift));
    }
  }
}
