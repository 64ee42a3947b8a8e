#include "app/settings_values.h"

#include <gtest/gtest.h>

namespace {

struct IntegerCase {
  const char* text;
  std::int32_t expected;  // with the fallback 600
};

const IntegerCase kIntegerCases[] = {
    {"0", 0},
    {"32", 32},
    {"-1", -1},
    {"+7", 7},
    {"0x20", 32},
    {"0X20", 32},
    {"$20", 32},
    {"x1f", 31},
    {"X1F", 31},
    {"  42", 42},
    {" 0x10", 16},
    {"007", 7},
    {"2147483647", 2147483647},
    {"-2147483648", INT32_MIN},
    {"0x7FFFFFFF", 2147483647},
    {"0x80000000", INT32_MIN},
    {"$FFFFFFFF", -1},
    {"0x00000000FF", 255},
    // Each of these is in no accepted form: the fallback.
    {"", 600},
    {"   ", 600},
    {"600px", 600},
    {"abc", 600},
    {"2147483648", 600},
    {"-2147483649", 600},
    {"99999999999999999999", 600},
    {"0x100000000", 600},
    {"0x", 600},
    {"$", 600},
    {"-", 600},
    {"+", 600},
    {"-0x10", 600},
    {"-$10", 600},
    {"+x10", 600},
    {"1 ", 600},
    {"1 2", 600},
    {"0x1G", 600},
    {"\t5", 600},
    {"１２", 600},
};

TEST(SettingsValues, IntegerForms) {
  for (const auto& c : kIntegerCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(SettingsIntegerOr(c.text, 600), c.expected);
  }
}

TEST(SettingsValues, BooleansAreNonZeroIntegers) {
  EXPECT_TRUE(SettingsBooleanOr("1", false));
  EXPECT_TRUE(SettingsBooleanOr("2", false));
  EXPECT_TRUE(SettingsBooleanOr("-1", false));
  EXPECT_TRUE(SettingsBooleanOr("0x10", false));
  EXPECT_FALSE(SettingsBooleanOr("0", true));
  EXPECT_TRUE(SettingsBooleanOr("", true));
  EXPECT_FALSE(SettingsBooleanOr("", false));
  EXPECT_TRUE(SettingsBooleanOr("yes", true));
  EXPECT_FALSE(SettingsBooleanOr("true", false));
}

TEST(SettingsValues, WrittenForms) {
  EXPECT_EQ(SettingsIntegerText(-1), "-1");
  EXPECT_EQ(SettingsIntegerText(400), "400");
  EXPECT_EQ(SettingsIntegerText(INT32_MIN), "-2147483648");
  EXPECT_EQ(SettingsBooleanText(true), "1");
  EXPECT_EQ(SettingsBooleanText(false), "0");
}

}  // namespace
