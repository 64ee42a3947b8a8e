#include "list/list_codec.h"

#include <gtest/gtest.h>

namespace {

using Entries = std::vector<std::string>;

struct DecodeCase {
  std::string bytes;
  Entries entries;
};

const DecodeCase kDecodeCases[] = {
    {"", {}},
    {"\r\n", {""}},
    {"a\r\nb\r\n", {"a", "b"}},
    {"a\r\nb", {"a", "b"}},
    {"a\rb\nc\r\n", {"a", "b", "c"}},
    {"a\n\rb", {"a", "", "b"}},
    {"a\r\rb", {"a", "", "b"}},
    {"a\r\n\r\nb\r\n", {"a", "", "b"}},
    {"a\n", {"a"}},
    {"a\r", {"a"}},
    {" a b \r\n", {" a b "}},
    {"x\r\nx\r\n", {"x", "x"}},
    {std::string("one\r\ntwo\r\nth\0ree\r\nfour\r\n", 25), {"one", "two", "th"}},
    {std::string("one\r\n\0two", 9), {"one"}},
    {std::string("\0a", 2), {}},
    // 表 (95 5C) and ソ (83 5C) pass whole.
    {"C:\\表\\ソ.jpg\r\nC:\\一覧表\\", {"C:\\表\\ソ.jpg", "C:\\一覧表\\"}},
};

TEST(ListCodec, DecodesEveryLineEnd) {
  for (const auto& c : kDecodeCases) {
    SCOPED_TRACE(testing::PrintToString(c.bytes));
    EXPECT_EQ(DecodeListFile(c.bytes), c.entries);
  }
}

TEST(ListCodec, EncodesEachEntryWithCrLf) {
  EXPECT_EQ(EncodeListFile({}), "");
  EXPECT_EQ(EncodeListFile({""}), "\r\n");
  EXPECT_EQ(EncodeListFile({"a", "", "表"}), "a\r\n\r\n表\r\n");
}

TEST(ListCodec, RoundTripKeepsOrderDuplicatesAndLongLines) {
  Entries entries = {"C:\\b.jpg", "C:\\a.jpg", "C:\\b.jpg", "", std::string(9000, 'x'), "C:\\書庫.lzh\\sub/表.jpg"};
  EXPECT_EQ(DecodeListFile(EncodeListFile(entries)), entries);
}

}  // namespace
