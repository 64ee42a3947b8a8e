#pragma once
// How the program's working folders and its settings file are named.

#include <string>
#include <string_view>
#include <vector>

// The per-user data folder: the Recent folder's parent + "\Tirvane\".
std::string DataFolderFromRecent(std::string_view recentFolder);

// The per-run extraction folder: the temporary path (or, when that is empty,
// the executable's folder + "\") + the executable's base name + "\".
std::string TempFolderFrom(std::string_view tempPath, std::string_view exePath);

// The settings file: DataFolder + the executable's file name with ".ini".
std::string SettingsPathFor(std::string_view dataFolder, std::string_view exePath);

// The default of "Dir": the first three bytes of the executable's folder.
std::string DriveRootOf(std::string_view exePath);

// True for a folder entry that is a junction or a symbolic link, which the
// folder scan and the deletion of the extraction folder do not go through.
// Cloud-file placeholders are reparse points as well, but they hold the
// user's own files in place and are gone through.
bool IsLinkedFolder(unsigned long attributes, unsigned long reparseTag);

// The folders from the root down to folder itself: C:\A\B gives C:\, C:\A
// and C:\A\B; \\server\share\A gives \\server\share and \\server\share\A.
// Whatever the text, each step is longer than the one before and none is
// empty; an empty text gives none.
std::vector<std::string> FolderChain(std::string_view folder);

// The root of the volume that holds path, with its final "\": C:\ for
// C:\pics\a.jpg (and for the drive-relative C:a.jpg), \\server\share\ for
// \\server\share\a.jpg, and the same behind the \\?\ and \\.\ prefixes
// (\\?\UNC\server\share\ for a share). "/" separates as "\" does. Empty
// for a path that names no volume of its own (a relative one, \a.jpg, a
// share without its share name): it lies on the current folder's volume.
std::string VolumeRootOf(std::string_view path);

// folder + "\" + name, without a second "\" after a root such as C:\.
std::string SubfolderOf(std::string_view folder, std::string_view name);
