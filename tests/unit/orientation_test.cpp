#include "picture/orientation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// The data of an APP1 segment: "Exif", two NULs, a TIFF header in the byte
// order asked for, and a first directory of two entries, a camera make and
// the orientation (a short).
std::vector<std::uint8_t> Exif(std::uint32_t orientation, bool bigEndian, std::uint16_t type = 3,
                               std::uint32_t count = 1) {
  std::vector<std::uint8_t> out{'E', 'x', 'i', 'f', 0, 0};
  auto put = [&](std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
      int shift = 8 * (bigEndian ? size - 1 - i : i);
      out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
  };
  out.push_back(bigEndian ? 'M' : 'I');
  out.push_back(bigEndian ? 'M' : 'I');
  put(42, 2);
  put(8, 4);  // the first directory right after the header
  put(2, 2);
  put(0x010F, 2), put(2, 2), put(4, 4), out.insert(out.end(), {'C', 'a', 'm', 0});
  put(0x0112, 2), put(type, 2), put(count, 4), put(orientation, 2), put(0, 2);
  put(0, 4);  // no next directory
  return out;
}

TEST(ExifOrientation, EveryValueInBothByteOrders) {
  for (bool bigEndian : {false, true}) {
    for (std::uint32_t value = 1; value <= 8; ++value) {
      EXPECT_EQ(ExifOrientation(Exif(value, bigEndian)), static_cast<int>(value)) << value << bigEndian;
    }
  }
}

TEST(ExifOrientation, AnythingMalformedIsUpright) {
  EXPECT_EQ(ExifOrientation(Exif(0, false)), kUpright);
  EXPECT_EQ(ExifOrientation(Exif(9, true)), kUpright);
  EXPECT_EQ(ExifOrientation(Exif(6, false, 4)), kUpright);     // a long, not a short
  EXPECT_EQ(ExifOrientation(Exif(6, false, 3, 2)), kUpright);  // two values
  EXPECT_EQ(ExifOrientation({}), kUpright);
  auto segment = Exif(6, false);
  for (std::size_t size = 0; size < segment.size() - 6; ++size) {  // cut anywhere before the value's end
    EXPECT_EQ(ExifOrientation(std::span(segment).first(size)), kUpright) << size;
  }
  auto other = segment;
  other[0] = 'X';  // not an EXIF segment (XMP, say)
  EXPECT_EQ(ExifOrientation(other), kUpright);
  other = segment;
  other[6] = 'M';  // "MI": no byte order
  EXPECT_EQ(ExifOrientation(other), kUpright);
  other = segment;
  other[8] = 43;  // not TIFF's 42
  EXPECT_EQ(ExifOrientation(other), kUpright);
  for (std::uint8_t offset : {0xF0, 0xFF}) {
    other = segment;
    other[10 + 3] = offset;  // the directory far past the segment
    EXPECT_EQ(ExifOrientation(other), kUpright);
  }
  other = segment;
  other[14] = 0xFF, other[15] = 0xFF;  // 65535 entries in a segment of two
  EXPECT_EQ(ExifOrientation(other), kUpright);
  other = segment;
  other[14] = 1;  // the orientation is not among the entries the directory counts
  EXPECT_EQ(ExifOrientation(other), kUpright);
}

// A 3 x 2 picture whose pixels are numbered 0 to 5 in reading order.
Pixels Numbered() {
  Pixels pixels;
  pixels.Resize(3, 2);
  for (std::size_t i = 0; i < 6; ++i) pixels.bgrx[i * 4] = static_cast<std::uint8_t>(i);
  return pixels;
}

std::vector<int> Numbers(const Pixels& pixels) {
  std::vector<int> numbers;
  for (std::size_t i = 0; i < pixels.bgrx.size(); i += 4) numbers.push_back(pixels.bgrx[i]);
  return numbers;
}

// 0 1 2      as seen after each orientation's turn
// 3 4 5
TEST(Orient, AllEightOrientations) {
  const struct {
    int orientation, width, height;
    std::vector<int> numbers;
  } cases[] = {
      {1, 3, 2, {0, 1, 2, 3, 4, 5}}, {2, 3, 2, {2, 1, 0, 5, 4, 3}}, {3, 3, 2, {5, 4, 3, 2, 1, 0}},
      {4, 3, 2, {3, 4, 5, 0, 1, 2}}, {5, 2, 3, {0, 3, 1, 4, 2, 5}}, {6, 2, 3, {3, 0, 4, 1, 5, 2}},
      {7, 2, 3, {5, 2, 4, 1, 3, 0}}, {8, 2, 3, {2, 5, 1, 4, 0, 3}},
  };
  for (const auto& c : cases) {
    Pixels pixels = Numbered();
    Orient(pixels, c.orientation);
    EXPECT_EQ(pixels.width, c.width) << c.orientation;
    EXPECT_EQ(pixels.height, c.height) << c.orientation;
    EXPECT_EQ(Numbers(pixels), c.numbers) << c.orientation;
    PictureSize seen = Oriented({3, 2}, c.orientation);
    EXPECT_EQ(seen.width, c.width);
    EXPECT_EQ(seen.height, c.height);
  }
  for (int outside : {0, 9, -1}) {
    Pixels pixels = Numbered();
    Orient(pixels, outside);
    EXPECT_EQ(Numbers(pixels), Numbers(Numbered()));
  }
}

}  // namespace
