#pragma once
// The command table: every menu, item, caption, shortcut and handler, in menu
// order. The menu bar and the shortcut table are both built from it, so the
// first item with a shortcut is the one a key runs.

#include <windows.h>

#include <span>
#include <string>
#include <string_view>

#include "view/command_ids.h"
#include "view/shortcut_text.h"

class TForm1;
using CommandHandler = void (TForm1::*)();

enum class RowKind { Menu, Item, Separator };

struct Command {
  RowKind kind;
  CommandId id;
  const char* caption;
  Shortcut shortcut;
  CommandHandler handler;  // null for a menu or a separator
};

std::span<const Command> CommandTable();
const Command* FindCommand(CommandId id);

// The item's text: the caption and, after a tab, the command's shortcut.
std::string MenuItemText(const Command& command, std::string_view caption);

HMENU BuildMenuBar();
HACCEL BuildShortcutTable();
