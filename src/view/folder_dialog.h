#pragma once
// The folder chooser "ディレクトリの選択": the folder tree from the root down
// to the open folder with its subfolders, the drives, and the files of the
// folder shown, greyed. It cannot create folders.

#include <windows.h>

#include <optional>
#include <string>

// Opens at the process's current folder. OK gives the folder shown: C:\ for
// a drive root, otherwise the path without a trailing "\". Cancel gives
// nothing. A double click, or Right, opens the highlighted folder; Left or
// Backspace opens the folder above.
std::optional<std::string> ChooseFolder(HWND owner);
