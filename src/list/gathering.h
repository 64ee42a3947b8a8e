#pragma once
// Gathering pictures from a folder tree into the picture list.

#include <string>

class PictureList;

// Appends every ".BMP" and ".JPG" file of folder and of its subfolders, and
// the picture members of every ".LZH" archive, in the order the file system
// lists them; a subfolder's pictures come where the subfolder is listed.
// Waiting window messages are handled before each folder. Junctions and
// links to folders are not gone through, so a folder cycle cannot trap it.
// folder is the scan's own copy: what runs meanwhile cannot change it.
void ScanFolder(PictureList& list, std::string folder);
