#pragma once
// Pictures inside LZH archives: listed into the picture list, and taken out
// of their archive for showing or as wallpaper.

#include <windows.h>

#include <string>

class PictureList;

// Appends archive + "\" + member for every ".BMP" or ".JPG" member, in the
// order the library reports them; nothing when the archive cannot be opened.
// Waiting window messages are handled once per member.
void AddArchivePictures(PictureList& list, const std::string& archive);

// Extracts the member named by entry (an archive member path) into
// TempFolder and returns the path where its file is expected; whether it
// is there is for the caller to find out. Empty for an entry that cannot be
// put to the library safely: reading it fails like a failed extraction.
// The library's windows, if it shows any, belong to owner.
std::string ExtractArchiveMember(HWND owner, const std::string& entry);
