#include "view/picture_caption.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(FormatGeneral, FifteenSignificantDigitsWithoutTrailingZeros) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {500.0 / 1200.0, "0.416666666666667"},
      {0.5, "0.5"},
      {1.0, "1"},
      {3.75, "3.75"},
      {1.0 / 3.0, "0.333333333333333"},
      {2.0 / 3.0, "0.666666666666667"},
      {1.5, "1.5"},
      {800.0, "800"},
      {0.0, "0"},
      {0.0001, "0.0001"},
      {0.00012345, "0.00012345"},
      {0.00005, "5E-5"},
      {0.0000123456789, "1.23456789E-5"},
      {1e-10, "1E-10"},
      // Rounding to 15 digits carries into the next power of ten.
      {0.00009999999999999999, "0.0001"},
      {123456789012345.0, "123456789012345"},
      {1e15, "1E15"},
      {1.5e20, "1.5E20"},
      {-2.25, "-2.25"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatGeneral(c.value, "."), c.text) << c.text;
}

TEST(FormatGeneral, UsesTheLocaleDecimalSeparator) {
  EXPECT_EQ(FormatGeneral(3.75, ","), "3,75");
  EXPECT_EQ(FormatGeneral(0.00005, ","), "5E-5");
  EXPECT_EQ(FormatGeneral(1.25e-7, ","), "1,25E-7");
  EXPECT_EQ(FormatGeneral(2, ","), "2");
}

// Read past the text before: a scale that is not a number has no exponent.
TEST(FormatGeneral, NamesWhatIsNotANumber) {
  EXPECT_EQ(FormatGeneral(std::numeric_limits<double>::infinity(), "."), "INF");
  EXPECT_EQ(FormatGeneral(-std::numeric_limits<double>::infinity(), "."), "-INF");
  EXPECT_EQ(FormatGeneral(std::numeric_limits<double>::quiet_NaN(), "."), "NAN");
}

TEST(PictureCaption, FullFormat) {
  CaptionParts parts;
  parts.listName = "D:\\lists\\旅行.pvl";
  parts.entry = "D:\\pics\\a.jpg";
  parts.pictureWidth = 1600;
  parts.pictureHeight = 1200;
  parts.scale = 500.0 / 1200.0;
  parts.index = 2;
  parts.count = 12;
  EXPECT_EQ(PictureCaption(parts), "[旅行]D:\\pics\\a.jpg (1600x1200)x0.416666666666667(3/12)");

  parts.listName = "";
  parts.entry = "C:\\x\\photos.lzh\\a/表.jpg";
  parts.scale = 1;
  parts.index = 0;
  parts.count = 1;
  EXPECT_EQ(PictureCaption(parts), "[]C:\\x\\photos.lzh\\a/表.jpg (1600x1200)x1(1/1)");

  parts.listName = "新規";
  parts.entry = "a.bmp";
  parts.pictureWidth = 100;
  parts.pictureHeight = 50;
  parts.scale = 3.75;
  parts.index = 3;
  parts.count = 9;
  parts.decimalSeparator = ",";
  EXPECT_EQ(PictureCaption(parts), "[新規]a.bmp (100x50)x3,75(4/9)");
}

TEST(PictureCaption, ListNameIsTheBaseNameOfTheFile) {
  CaptionParts parts;
  parts.entry = "e";
  parts.scale = 0.5;
  parts.count = 1;
  for (auto [name, shown] : {std::pair{"C:\\a.b\\list", "list"}, {"C:list.old.pvl", "list.old"},
                             {"\\\\srv\\share\\表.pvl", "表"}, {"新規.pvl", "新規"}}) {
    parts.listName = name;
    std::string caption = PictureCaption(parts);
    EXPECT_EQ(caption.substr(0, caption.find(']') + 1), std::string("[") + shown + "]");
  }
}

}  // namespace
