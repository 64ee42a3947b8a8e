#include "picture/picture_headers.h"
#include "picture/picture_kind.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& out, std::size_t at, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

// An icon file with one directory entry of the given size bytes, pointing
// at image bytes that follow the directory.
Bytes Icon(std::uint8_t width, std::uint8_t height, const Bytes& image) {
  Bytes file(22, 0);
  Put(file, 2, 1, 2);
  Put(file, 4, 1, 2);
  file[6] = width;
  file[7] = height;
  Put(file, 14, static_cast<std::uint32_t>(image.size()), 4);
  Put(file, 18, 22, 4);
  file.insert(file.end(), image.begin(), image.end());
  return file;
}

const Bytes kPng = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13};

TEST(PictureHeaders, AnIconsFirstImageGivesItsSizeAndItsPngData) {
  auto classic = FirstIconImage(Icon(32, 48, Bytes(40, 0)));
  ASSERT_TRUE(classic);
  EXPECT_EQ(classic->width, 32);
  EXPECT_EQ(classic->height, 48);
  EXPECT_TRUE(classic->png.empty());

  Bytes file = Icon(0, 0, kPng);  // 0 stands for 256
  auto png = FirstIconImage(file);
  ASSERT_TRUE(png);
  EXPECT_EQ(png->width, 256);
  EXPECT_EQ(png->height, 256);
  ASSERT_EQ(png->png.size(), kPng.size());
  EXPECT_EQ(png->png.data(), file.data() + 22);
}

TEST(PictureHeaders, DamagedIconDirectoriesAreNoIcons) {
  Bytes cursor = Icon(32, 32, kPng);
  Put(cursor, 2, 2, 2);
  EXPECT_FALSE(FirstIconImage(cursor));
  Bytes empty = Icon(32, 32, kPng);
  Put(empty, 4, 0, 2);
  EXPECT_FALSE(FirstIconImage(empty));
  EXPECT_FALSE(FirstIconImage(Bytes(21, 0)));

  // A PNG image said to lie past the file's end, also where offset and size
  // add up beyond 32 bits, is no PNG image; the directory itself stays.
  Bytes past = Icon(16, 16, kPng);
  Put(past, 14, 13, 4);
  EXPECT_TRUE(FirstIconImage(past)->png.empty());
  Bytes wrapping = Icon(16, 16, kPng);
  Put(wrapping, 14, 0xFFFFFFF0u, 4);
  Put(wrapping, 18, 0x20, 4);
  EXPECT_TRUE(FirstIconImage(wrapping)->png.empty());
}

TEST(PictureHeaders, APlaceableHeaderWeWriteReadsBackWithItsChecksum) {
  std::string header = PlaceableHeader(2880, 720);
  ASSERT_EQ(header.size(), kPlaceableHeaderSize);
  Bytes file(header.begin(), header.end());
  std::uint16_t checksum = 0;
  for (std::size_t i = 0; i < 20; i += 2) checksum ^= static_cast<std::uint16_t>(file[i] | file[i + 1] << 8);
  EXPECT_EQ(checksum, file[20] | file[21] << 8);

  EXPECT_FALSE(ReadPlaceableHeader(file)) << "a header without records";
  file.push_back(0);
  auto bounds = ReadPlaceableHeader(file);
  ASSERT_TRUE(bounds);
  EXPECT_EQ(bounds->width, 2880);
  EXPECT_EQ(bounds->height, 720);
  EXPECT_EQ(bounds->inch, kTwipsPerInch);
}

TEST(PictureHeaders, PlaceableBoundsAreSignedAndNeedAnInch) {
  std::string header = PlaceableHeader(0, 0);
  Bytes file(header.begin(), header.end());
  file.push_back(0);
  Put(file, 6, 100, 2);      // left
  Put(file, 8, 0xFFF6, 2);   // top -10
  Put(file, 10, 40, 2);      // right, left of left
  Put(file, 12, 10, 2);
  auto bounds = ReadPlaceableHeader(file);
  ASSERT_TRUE(bounds);
  EXPECT_EQ(bounds->width, -60);
  EXPECT_EQ(bounds->height, 20);

  Put(file, 14, 0, 2);
  EXPECT_FALSE(ReadPlaceableHeader(file)) << "no inch: no size can be worked out";
  Put(file, 14, 1440, 2);
  Put(file, 0, 0x9AC6CDD6u, 4);
  EXPECT_FALSE(ReadPlaceableHeader(file)) << "not the placeable key";
}

}  // namespace

// A dropped file is taken when the view reads its kind, which the extension
// alone decides, in any case; a scan's narrower choice is not this one.
TEST(PictureKind, TheViewsFormatsByExtension) {
  EXPECT_EQ(PictureKindOfName("C:\\写真\\表示.JPEG"), PictureKind::Jpeg);
  EXPECT_EQ(PictureKindOfName("a.Jpg"), PictureKind::Jpeg);
  EXPECT_EQ(PictureKindOfName("a.bmp"), PictureKind::Bitmap);
  EXPECT_EQ(PictureKindOfName("a.ICO"), PictureKind::Icon);
  EXPECT_EQ(PictureKindOfName("a.emf"), PictureKind::EnhMetafile);
  EXPECT_EQ(PictureKindOfName("a.wmf"), PictureKind::WinMetafile);
  for (const char* other : {"a.png", "a.jpe", "a.jpg.txt", "jpg", "a.jpg\\b", "C:\\x.jpg\\", "a.ｊｐｇ"}) {
    EXPECT_EQ(PictureKindOfName(other), PictureKind::None) << other;
  }
}
