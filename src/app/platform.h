#pragma once
// Thin wrappers over the Windows calls the program's parts share.

#include <string>

std::string ExecutablePath();
std::string RecentFolderPath();  // without a trailing "\"; empty on failure
std::string TempPath();          // with a trailing "\", or empty
bool FolderExists(const std::string& path);
std::string ApplicationTitleOfThisProgram();
