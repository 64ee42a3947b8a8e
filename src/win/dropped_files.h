#pragma once
// The files the shell drops onto a window that accepts them.

#include <windows.h>
#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

#include "win/handles.h"

using OwnedDrop = Owned<HDROP, &DragFinish>;

// The dropped paths in the shell's order, as entries spell them
// (win/entry_names.h); empty for one that cannot be an entry.
std::vector<std::optional<std::string>> DroppedFiles(HDROP drop);
