#pragma once
// The process-wide state the program's parts share. Every text is empty and
// every option off when the program starts.

#include <string>

extern std::string DataFolder;     // per-user data folder, ends in "\"
extern std::string TempFolder;     // per-run extraction folder, ends in "\"
extern std::string CurrentFolder;  // the folder last chosen with Open Folder
extern std::string ListName;       // the current picture-list file

// Wallpaper options.
extern bool AutoSiz;
extern bool Tile;
extern bool Location;

// The name that stands for a list without a file name of its own.
inline constexpr const char* kNewListName = "新規.pvl";
