#pragma once
// The program's life: start-up, restoring the last state, saving it at exit.

#include <string>

class SettingsFile;
class TForm1;

// Derives the working folders and routes on the first argument.
void StartUp(TForm1& form);

// Reads the settings file and the last picture list, selects an entry and
// shows it.
void RestoreState(TForm1& form);

// Writes the settings file and the picture list, then deletes TempFolder.
// After the wallpaper route, which reads nothing but the window and the
// options, only those are written until the user chooses a list: the stored
// folder, list name and index, and the list file, stay as they were.
void SaveState(TForm1& form);

// Reads the window's bounds, applied at once, and the three options; marks
// the options' captions when asked to.
void RestoreWindowAndOptions(TForm1& form, const SettingsFile& settings, bool markOptions);

// Deletes folder (no trailing "\") with all its files and subfolders; what
// cannot be deleted is left in place.
void DeleteTree(const std::string& folder);
