// The texts the program hands the platform's menus and file dialogs.
#include <gtest/gtest.h>

#include <vector>

#include "view/dialog_filter.h"
#include "view/shortcut_text.h"

namespace {

TEST(DialogTexts, FilterBarsBecomeNulsExceptInsideDoubleByteCharacters) {
  using namespace std::string_literals;
  EXPECT_EQ(PlatformFilter("a (*.pvl)|*.pvl"), "a (*.pvl)\0*.pvl\0"s);
  // 0x83 0x7C is one katakana whose second byte is "|".
  EXPECT_EQ(PlatformFilter("\x83|x|*.a|"), "\x83|x\0*.a\0\0"s);
  // A lead byte at the very end has no second half and stays alone.
  EXPECT_EQ(PlatformFilter("x|\x83"), "x\0\x83\0"s);
  EXPECT_EQ(PlatformFilter(""), "\0"s);
}

TEST(DialogTexts, ShortcutsShowTheirKeysAndEarlierOnesWin) {
  EXPECT_EQ(ShortcutText({kControlKey, 'O'}), "Ctrl+O");
  EXPECT_EQ(ShortcutText({kControlKey | kAltKey, 'L'}), "Ctrl+Alt+L");
  EXPECT_EQ(ShortcutText({0, kDeleteKey}), "Del");
  EXPECT_EQ(ShortcutText({kControlKey, 0}), "");

  std::vector<Shortcut> keys = {{kControlKey, 'Z'}, {}, {kControlKey | kAltKey, 'Z'}, {},
                                {kControlKey, 'Z'}, {kControlKey, 'Z'}, {0, 'Z'}};
  EXPECT_EQ(ShadowedShortcuts(keys), (std::vector<std::size_t>{4, 5}));
}

}  // namespace
