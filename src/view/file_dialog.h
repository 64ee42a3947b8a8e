#pragma once
// The platform's single-file open and save dialogs, set up as the window's
// design has them: no initial folder, no title of its own, no overwrite
// question, the read-only box hidden, the first filter pair selected.

#include <windows.h>

#include <optional>
#include <string>

struct FileDialog {
  enum class Kind { Open, Save } kind;
  const char* filter;            // description|pattern pairs separated by "|"
  const char* defaultExtension;  // ".pvl", or nullptr for none
};

// The chosen path, or nothing when the user cancels.
std::optional<std::string> ShowFileDialog(HWND owner, const FileDialog& dialog, const std::string& fileName);
