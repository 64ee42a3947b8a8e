#pragma once
// Archive members taken out of their archive for showing or as wallpaper.

#include <string>

// Extracts the member named by entry (an archive member path) into
// TempFolder and returns the path where its file is expected; whether it
// is there is for the caller to find out.
std::string ExtractArchiveMember(const std::string& entry);
