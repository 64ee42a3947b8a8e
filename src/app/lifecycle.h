#pragma once
// The program's life: start-up, restoring the last state, saving it at exit.

#include <string>

// Derives the working folders and routes on the first argument.
void StartUp();

// Reads the settings file and the last picture list, selects an entry and
// shows it.
void RestoreState();

// Writes the settings file and the picture list, then deletes TempFolder.
void SaveState();

// Deletes folder (no trailing "\") with all its files and subfolders; what
// cannot be deleted is left in place.
void DeleteTree(const std::string& folder);
