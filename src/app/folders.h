#pragma once
// How the program's working folders and its settings file are named.

#include <string>
#include <string_view>

// The per-user data folder: the Recent folder's parent + "\Tirvane\".
std::string DataFolderFromRecent(std::string_view recentFolder);

// The per-run extraction folder: the temporary path (or, when that is empty,
// the executable's folder + "\") + the executable's base name + "\".
std::string TempFolderFrom(std::string_view tempPath, std::string_view exePath);

// The settings file: DataFolder + the executable's file name with ".ini".
std::string SettingsPathFor(std::string_view dataFolder, std::string_view exePath);

// The default of "Dir": the first three bytes of the executable's folder.
std::string DriveRootOf(std::string_view exePath);
