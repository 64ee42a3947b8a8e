#include "app/platform.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "app/app_error.h"
#include "app/path_rules.h"
#include "win/com_reference.h"
#include "win/handles.h"

std::string ExecutablePath() {
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
  char path[MAX_PATH] = "";
  if (SUCCEEDED(SHGetSpecialFolderLocation(GetDesktopWindow(), id, items.Out())) && items.Get() &&
      !SHGetPathFromIDListA(items.Get(), path)) {
    path[0] = '\0';
  }
  return path;
}

std::string TempPath() {
  char path[MAX_PATH + 1] = "";
  DWORD length = GetTempPathA(sizeof path, path);
  return length > 0 && length < sizeof path ? std::string(path, length) : std::string();
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
