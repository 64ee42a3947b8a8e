#pragma once
// The keys of the menu commands: how an item shows its shortcut, and which
// shortcuts an earlier item takes first.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The platform's values (FCONTROL, FALT, VK_DELETE), so that the command
// table can hand its shortcuts straight to the shortcut table.
inline constexpr std::uint8_t kControlKey = 0x08;
inline constexpr std::uint8_t kAltKey = 0x10;
inline constexpr std::uint16_t kDeleteKey = 0x2E;

struct Shortcut {
  std::uint8_t modifiers = 0;  // kControlKey, kAltKey
  std::uint16_t key = 0;       // a letter's or digit's code, kDeleteKey; 0 for none
};

// "Ctrl+O", "Ctrl+Alt+L", "Del"; empty for none.
std::string ShortcutText(Shortcut shortcut);

// The positions of the shortcuts that one earlier in the list already has:
// a key runs the first item that has it, never these.
std::vector<std::size_t> ShadowedShortcuts(std::span<const Shortcut> shortcuts);
