#pragma once
// The files the shell drops onto a window that accepts them.

#include <windows.h>
#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

#include "win/handles.h"

using OwnedDrop = Owned<HDROP, &DragFinish>;

// The dropped paths in the shell's order, in the code page. A path the code
// page spells only by a guess ("?" for a character it lacks, or a look-alike
// such as "e" for "é" or "\" for "¥") is empty: it names no file, or another.
std::vector<std::optional<std::string>> DroppedFiles(HDROP drop);
