#include "app/platform.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "app/app_error.h"
#include "app/path_rules.h"
#include "win/code_page.h"
#include "win/com_reference.h"
#include "win/handles.h"

// The program's own folders are asked for as wide text and spelled as any
// entry is: a folder name the code page cannot spell (the user's name, a
// download folder) becomes its short name, never a best-fit name of no
// folder, so the archive library beside the program, the data folder and
// the temporary folder are found where they are.

std::string ExecutablePath() {
  std::vector<wchar_t> wide(MAX_PATH);
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, wide.data(), static_cast<DWORD>(wide.size()));
    if (length == 0) break;
    if (length < wide.size()) {
      if (auto path = EntryPath(std::wstring_view(wide.data(), length))) return *path;
      break;
    }
    wide.resize(wide.size() * 2);
  }
  // No short name to give (a volume that keeps none): the platform's own
  // spelling is the best left.
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

std::string SpecialFolderPath(SpecialFolder folder) {
  int id = folder == SpecialFolder::Recent   ? CSIDL_RECENT
           : folder == SpecialFolder::SendTo ? CSIDL_SENDTO
                                             : CSIDL_APPDATA;
  CoTaskMemory<LPITEMIDLIST> items;
  wchar_t path[MAX_PATH] = L"";
  if (FAILED(SHGetSpecialFolderLocation(GetDesktopWindow(), id, items.Out())) || !items.Get() ||
      !SHGetPathFromIDListW(items.Get(), path) || path[0] == L'\0') {
    return {};
  }
  return EntryPath(path).value_or("");
}

std::string TempPath() {
  wchar_t path[MAX_PATH + 1] = L"";
  DWORD length = GetTempPathW(MAX_PATH + 1, path);
  if (length == 0 || length > MAX_PATH) return {};
  return EntryPath(std::wstring_view(path, length)).value_or("");
}

std::string WindowsFolder() {
  char folder[MAX_PATH] = "";
  UINT length = GetWindowsDirectoryA(folder, sizeof folder);
  return length < sizeof folder ? folder : "";
}

std::string SystemFolder() {
  char folder[MAX_PATH] = "";
  UINT length = GetSystemDirectoryA(folder, sizeof folder);
  return length < sizeof folder ? folder : "";
}

std::string EnvironmentVariable(const char* name) {
  std::string value(GetEnvironmentVariableA(name, nullptr, 0), '\0');
  value.resize(GetEnvironmentVariableA(name, value.data(), static_cast<DWORD>(value.size())));
  return value;
}

bool FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool VolumeAnswers(const std::string& root) {
  return root.empty() || GetFileAttributesA(root.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ApplicationTitleOfThisProgram() {
  return ApplicationTitle(FileNameOf(ExecutablePath()), [](std::string_view text) {
    std::string lower(text);
    if (!lower.empty()) CharLowerBuffA(lower.data(), static_cast<DWORD>(lower.size()));
    return lower;
  });
}

int ScreenDpi(bool across) {
  WindowDC screen(nullptr);
  int dpi = GetDeviceCaps(screen.Get(), across ? LOGPIXELSX : LOGPIXELSY);
  return dpi > 0 ? dpi : 96;
}

int ScaledForScreen(int designPixels) { return MulDiv(designPixels, ScreenDpi(false), 96); }
