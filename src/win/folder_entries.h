#pragma once
// The one way the program walks a folder: every entry the platform lists
// for a pattern, without "." and "..", in the platform's order. The listing
// is closed on every way out, an exception from visit included.

#include <windows.h>

#include <functional>
#include <string>

struct FolderEntry {
  // As an entry spells it: the name itself where the code page spells it
  // exactly, otherwise its short name.
  std::string name;
  DWORD attributes;
  DWORD reparseTag;  // for a reparse point
};

// Calls visit for each entry matching pattern (a folder + "\*.*"). A name
// the code page cannot spell that has no short name is passed by: no path
// can name it.
void ForEachEntry(const std::string& pattern, const std::function<void(const FolderEntry&)>& visit);
