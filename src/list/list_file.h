#pragma once
// Picture lists in files: the list's entries in the list-file form.

#include <string>

class PictureList;

// Replaces the list's entries with the lines of the file at path. Throws
// "ファイル %s は開けません" when it cannot be opened; the list then stays.
void LoadListFromFile(PictureList& list, const std::string& path);

// Writes the entries to path; the old file stays whole if this fails.
void SaveListToFile(const PictureList& list, const std::string& path);
