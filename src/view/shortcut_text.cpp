#include "view/shortcut_text.h"

std::string ShortcutText(Shortcut shortcut) {
  if (shortcut.key == 0) return {};
  std::string text;
  if (shortcut.modifiers & kControlKey) text += "Ctrl+";
  if (shortcut.modifiers & kAltKey) text += "Alt+";
  if (shortcut.key == kDeleteKey) {
    text += "Del";
  } else {
    text += static_cast<char>(shortcut.key);
  }
  return text;
}

std::vector<std::size_t> ShadowedShortcuts(std::span<const Shortcut> shortcuts) {
  std::vector<std::size_t> shadowed;
  for (std::size_t i = 0; i < shortcuts.size(); ++i) {
    if (shortcuts[i].key == 0) continue;
    for (std::size_t earlier = 0; earlier < i; ++earlier) {
      if (shortcuts[earlier].key == shortcuts[i].key && shortcuts[earlier].modifiers == shortcuts[i].modifiers) {
        shadowed.push_back(i);
        break;
      }
    }
  }
  return shadowed;
}
