#pragma once
// The thin platform queries the program's parts share: where the program,
// the user's folders and the system's folders are, what exists, and the
// screen's resolution.

#include <string>

std::string ExecutablePath();

// The user's folders the shell names.
enum class SpecialFolder { Recent, SendTo, AppData };
// The folder's path without a trailing "\"; empty when the shell cannot
// name it.
std::string SpecialFolderPath(SpecialFolder folder);

std::string TempPath();                             // with a trailing "\", or empty
std::string WindowsFolder();                        // as GetWindowsDirectoryA gives it, or empty
std::string SystemFolder();                         // as GetSystemDirectoryA gives it, or empty
std::string EnvironmentVariable(const char* name);  // empty when unset

bool FileExists(const std::string& path);  // a file, not a folder
bool FolderExists(const std::string& path);
// Whether the volume at root (a drive's X:\ or a share's
// \\server\share\) answers: false for a letter no drive has, a drive
// without its medium, a share that is offline. An empty root is the
// current volume, which does.
bool VolumeAnswers(const std::string& root);

std::string ApplicationTitleOfThisProgram();
// The screen's pixels per inch across (or down); 96 when it cannot be read.
int ScreenDpi(bool across);
// A size the window was designed with at 96 pixels per inch, for this screen.
int ScaledForScreen(int designPixels);
