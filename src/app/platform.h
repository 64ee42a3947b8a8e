#pragma once
// Thin wrappers over the Windows calls the program's parts share.

#include <string>

std::string ExecutablePath();
std::string RecentFolderPath();  // without a trailing "\"; empty on failure
std::string TempPath();          // with a trailing "\", or empty
bool FolderExists(const std::string& path);
std::string ApplicationTitleOfThisProgram();
// The screen's pixels per inch across (or down); 96 when it cannot be read.
int ScreenDpi(bool across);
// A size the window was designed with at 96 pixels per inch, for this screen.
int ScaledForScreen(int designPixels);
