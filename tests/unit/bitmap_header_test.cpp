#include "picture/bitmap_header.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// A file with a 40-byte header; table and pixels as given.
std::vector<std::uint8_t> File(int width, int height, int bits, int compression, std::uint32_t colours,
                               const std::string& table, const std::string& pixels) {
  std::string out = "BM";
  auto put = [&](std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) out += static_cast<char>(v >> (8 * i));
  };
  const std::uint32_t offset = 54 + static_cast<std::uint32_t>(table.size());
  put(offset + static_cast<std::uint32_t>(pixels.size()), 4), put(0, 4), put(offset, 4);
  put(40, 4), put(static_cast<std::uint32_t>(width), 4), put(static_cast<std::uint32_t>(height), 4), put(1, 2);
  put(static_cast<std::uint32_t>(bits), 2), put(static_cast<std::uint32_t>(compression), 4), put(0, 4), put(0, 4);
  put(0, 4), put(colours, 4), put(0, 4);
  out += table + pixels;
  return {out.begin(), out.end()};
}

std::uint32_t InfoWord(const BitmapSource& source, std::size_t at) {
  std::uint32_t value;
  std::memcpy(&value, source.info.data() + at, 4);
  return value;
}

TEST(BitmapHeader, TwoBitRowsBecomeEightBitOnesWithAFullTable) {
  // 5 pixels of 2 bits: 0 1 2 3 | 1, padded to 4 bytes; rows top down.
  const std::string table("\x01\x01\x01\0\x02\x02\x02\0\x03\x03\x03\0\x04\x04\x04\0", 16);
  auto file = File(5, -1, 2, 0, 4, table, std::string("\x1B\x40\0\0", 4));
  auto source = ReadBitmapSource(file);
  ASSERT_TRUE(source);
  EXPECT_TRUE(source->topDown);
  EXPECT_EQ(std::vector<std::uint8_t>(source->bits.begin(), source->bits.begin() + 5),
            (std::vector<std::uint8_t>{0, 1, 2, 3, 1}));
  EXPECT_EQ(InfoWord(*source, 12) >> 16, 8u);  // the depth the platform reads
  EXPECT_EQ(source->info.size(), 40u + 256 * 4);
  EXPECT_EQ(source->info[40 + 3 * 4], 4);
}

TEST(BitmapHeader, ShortTablesArePaddedWithBlackAndLongOnesCut) {
  const std::string pixels(4, '\0');
  auto shortTable = ReadBitmapSource(File(1, 1, 8, 0, 2, std::string(8, '\x7F'), pixels));
  ASSERT_TRUE(shortTable);
  EXPECT_EQ(shortTable->info.size(), 40u + 256 * 4);
  EXPECT_EQ(shortTable->info[40 + 4], 0x7F);
  EXPECT_EQ(shortTable->info[40 + 8], 0);
  auto longTable = ReadBitmapSource(File(1, 1, 1, 0, 40, std::string(160, '\x10'), pixels));
  ASSERT_TRUE(longTable);
  EXPECT_EQ(longTable->info.size(), 40u + 2 * 4);
  EXPECT_EQ(longTable->bits.size(), 4u);
}

TEST(BitmapHeader, FilesThePlatformCannotDrawSoundlyAreRefused) {
  const std::string table(1024, '\0');
  EXPECT_FALSE(ReadBitmapSource(File(4, 4, 8, 0, 0, table, std::string(15, '\0'))));   // cut short
  EXPECT_TRUE(ReadBitmapSource(File(4, 4, 8, 0, 0, table, std::string(16, '\0'))));
  EXPECT_FALSE(ReadBitmapSource(File(4, -4, 8, 1, 0, table, std::string("\0\1", 2))));  // RLE top down
  EXPECT_TRUE(ReadBitmapSource(File(4, 4, 8, 1, 0, table, std::string("\0\1", 2))));
  EXPECT_FALSE(ReadBitmapSource(File(0x7FFFFFFF, 0x7FFFFFFF, 32, 0, 0, "", std::string(16, '\0'))));
  EXPECT_FALSE(ReadBitmapSource(File(4, 4, 24, 3, 0, std::string(12, '\xFF'), std::string(48, '\0'))));
  EXPECT_FALSE(ReadBitmapSource(File(4, 4, 3, 0, 0, table, std::string(64, '\0'))));
  EXPECT_FALSE(ReadBitmapSource(File(0, 4, 8, 0, 0, table, std::string(16, '\0'))));
  EXPECT_FALSE(ReadBitmapSource(File(4, 4, 8, 4, 0, table, std::string(16, '\0'))));  // a JPEG inside
}

}  // namespace
