#pragma once
// Gathering pictures into the picture list: from a folder tree, and from
// the members of an LZH archive.

#include <string>
#include <string_view>

#include "app/path_rules.h"

class PictureList;

// True when a file or member name ends in ".BMP" or ".JPG", in any case:
// the pictures a folder scan or an archive listing takes.
inline bool IsListedPictureName(std::string_view name) {
  return HasExtension(name, ".bmp") || HasExtension(name, ".jpg");
}

// Appends every ".BMP" and ".JPG" file of folder and of its subfolders, and
// the picture members of every ".LZH" archive, in the order the file system
// lists them; a subfolder's pictures come where the subfolder is listed.
// Waiting window messages are handled before each folder. Junctions and
// links to folders are not gone through, so a folder cycle cannot trap it.
// folder is the scan's own copy: what runs meanwhile cannot change it.
void ScanFolder(PictureList& list, std::string folder);

// Appends archive + "\" + member for every ".BMP" or ".JPG" member, in the
// order the library reports them; nothing when the archive cannot be opened.
// Waiting window messages are handled once per member.
void AddArchivePictures(PictureList& list, const std::string& archive);
