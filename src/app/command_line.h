#pragma once
// Cuts the program's one argument out of the raw command line.

#include <string>
#include <string_view>

// Splits the raw command line the way the shell quotes it: bytes 1 to 32
// separate tokens, an empty pair of quotes is skipped, quoted parts keep
// their blanks and lose their quotes. Returns the second token (the first
// is the program's path), or an empty text when there is none. A token is
// never cut inside: the platform bounds the whole line at 32,767 characters.
std::string FirstArgument(std::string_view commandLine);
// The same split of the wide command line, code unit for code unit.
std::wstring FirstArgument(std::wstring_view commandLine);

// What the program does with its first argument at start-up.
enum class StartRoute {
  Archive,    // lists the pictures of an ".lzh" archive
  ListFile,   // opens a ".pvl" list
  Folder,     // lists the pictures of a folder tree
  LastList,   // no argument, or a switch ("-r" and the like): the last list
  Wallpaper,  // anything else is a picture to make the wallpaper
};

// The route for argument; folderExists is asked only when the name is
// neither an archive's nor a list's.
StartRoute ChooseStartRoute(const std::string& argument, bool (*folderExists)(const std::string&));
