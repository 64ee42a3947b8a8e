#include "app/command_line.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct SplitCase {
  const char* line;
  const char* firstArgument;
};

const SplitCase kSplitCases[] = {
    {"C:\\T\\Tirvane.exe", ""},
    {"C:\\T\\Tirvane.exe   ", ""},
    {"C:\\T\\Tirvane.exe C:\\a.jpg", "C:\\a.jpg"},
    // The Send To shortcut: two quote characters before the picture.
    {"C:\\T\\Tirvane.exe \"\" C:\\a.jpg", "C:\\a.jpg"},
    {"C:\\T\\Tirvane.exe \"\" \"C:\\My Pics\\a.jpg\"", "C:\\My Pics\\a.jpg"},
    {"\"C:\\Program Files\\T\\Tirvane.exe\" \"-r\"", "-r"},
    {"C:\\T\\Tirvane.exe C:\\My\" \"Pics", "C:\\My Pics"},
    {"C:\\T\\Tirvane.exe \"\"\"\" x", "x"},
    {"C:\\T\\Tirvane.exe \"\"", ""},
    {"C:\\T\\Tirvane.exe a b c", "a"},
    {"C:\\T\\Tirvane.exe\ta", "a"},
    {"C:\\T\\Tirvane.exe \x01\x1f" "a", "a"},
    {"C:\\T\\Tirvane.exe \"unclosed quote", "unclosed quote"},
    {"C:\\T\\Tirvane.exe a\"\"b", "ab"},
    {"C:\\T\\Tirvane.exe \"\"a", "a"},
    {"C:\\T\\Tirvane.exe C:\\表示\\ビ.pvl", "C:\\表示\\ビ.pvl"},
    {"\"\" C:\\T\\Tirvane.exe x", "x"},
    {"", ""},
};

TEST(CommandLine, FirstArgument) {
  for (const auto& c : kSplitCases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(FirstArgument(c.line), c.firstArgument);
  }
}

// The wide command line splits the same way, code unit for code unit; a
// character whose low byte is a blank or a quote is no separator.
TEST(CommandLine, TheWideLineSplitsTheSameWay) {
  for (const auto& c : kSplitCases) {
    SCOPED_TRACE(c.line);
    std::string_view line = c.line, expected = c.firstArgument;
    if (std::any_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; })) continue;
    EXPECT_EQ(FirstArgument(std::wstring(line.begin(), line.end())), std::wstring(expected.begin(), expected.end()));
  }
  EXPECT_EQ(FirstArgument(std::wstring_view(L"C:\\T\\Tirvane.exe \"\" \"C:\\\ud55c\uae00\\caf\u00e9 \u00a5.jpg\"")),
            L"C:\\\ud55c\uae00\\caf\u00e9 \u00a5.jpg");
  EXPECT_EQ(FirstArgument(std::wstring_view(L"x.exe a\u3000b\u0120\u0122c d")), L"a\u3000b\u0120\u0122c");
}

TEST(CommandLine, LongTokensAreNeverCut) {
  std::string longPath = "C:\\" + std::string(10000, 'a') + ".jpg";
  EXPECT_EQ(FirstArgument("x.exe " + longPath + " next"), longPath);
  EXPECT_EQ(FirstArgument("x.exe \"" + longPath + "\""), longPath);
}

// Only "C:\\Photos" and "-r" are folders here, so a switch that is also a
// folder's name shows which test comes first.
bool IsTestFolder(const std::string& path) { return path == "C:\\Photos" || path == "-r"; }

TEST(CommandLine, TheStartRouteFollowsTheExtensionThenTheFolderThenTheFirstByte) {
  struct {
    const char* argument;
    StartRoute route;
  } cases[] = {
      {"C:\\a.lzh", StartRoute::Archive},      {"C:\\A.LzH", StartRoute::Archive},
      {"C:\\Photos.lzh", StartRoute::Archive}, {"C:\\list.PVL", StartRoute::ListFile},
      {"C:\\Photos", StartRoute::Folder},      {"-r", StartRoute::Folder},
      {"", StartRoute::LastList},               {"-R", StartRoute::LastList},
      {"/x", StartRoute::LastList},             {"C:\\a.jpg", StartRoute::Wallpaper},
      {"C:\\a.lzh.jpg", StartRoute::Wallpaper}, {"C:\\表.pvl ", StartRoute::Wallpaper},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.argument);
    EXPECT_EQ(ChooseStartRoute(c.argument, &IsTestFolder), c.route);
  }
}

}  // namespace
