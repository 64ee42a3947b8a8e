#pragma once
// Gathering pictures into the picture list: from a folder tree, and from
// the members of an LZH archive.

#include <optional>
#include <string>
#include <string_view>

#include "app/path_rules.h"

class PictureList;

// True when a file or member name ends in ".BMP" or ".JPG", in any case:
// the pictures a folder scan or an archive listing takes.
inline bool IsListedPictureName(std::string_view name) {
  return HasExtension(name, ".bmp") || HasExtension(name, ".jpg");
}

// An entry as it stood when it was appended or found: its index then, and
// its text. A step that handles messages afterwards may see the list
// changed meanwhile, so it finds the entry again by both.
struct ListedEntry {
  int index;
  std::string entry;
};

// Appends every ".BMP" and ".JPG" file of folder and of its subfolders, and
// the picture members of every ".LZH" archive, in the order the file system
// lists them; a subfolder's pictures come where the subfolder is listed.
// Waiting window messages are handled before each folder. Junctions and
// links to folders are not gone through, so a folder cycle cannot trap it.
// folder is the scan's own copy: what runs meanwhile cannot change it.
// Returns the first entry it appended, if any.
std::optional<ListedEntry> ScanFolder(PictureList& list, std::string folder);

// Appends archive + "\" + member for every ".BMP" or ".JPG" member, in the
// order the library reports them; nothing when the archive cannot be opened.
// Waiting window messages are handled once per member. Returns the first
// entry it appended, if any.
std::optional<ListedEntry> AddArchivePictures(PictureList& list, const std::string& archive);

// The index of entry now: where it was appended if it is still there,
// otherwise the first entry equal to it in any letter case, or -1.
int IndexNow(const PictureList& list, const ListedEntry& entry);
