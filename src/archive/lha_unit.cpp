#include "archive/lha_unit.h"

#include <algorithm>
#include <string>
#include <vector>

#include "app/path_rules.h"
#include "app/platform.h"
#include "app/shift_jis.h"
#include "archive/archive_paths.h"
#include "win/handles.h"

namespace {

OwnedModule library;

using UnlhaFunction = int(WINAPI*)(HWND, LPCSTR, LPSTR, DWORD);
using OpenFunction = std::uint32_t(WINAPI*)(HWND, LPCSTR, DWORD);
using CloseFunction = int(WINAPI*)(std::uint32_t);
using FindFirstFunction = int(WINAPI*)(std::uint32_t, LPCSTR, void*);
using FindNextFunction = int(WINAPI*)(std::uint32_t, void*);

// The function's address, looked up afresh on every call; null when the
// library is absent or lacks it, and the call is then treated as one to an
// absent library.
template <class Function>
Function Lookup(const char* name) {
  if (!library) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library.Get(), name)));
}

}  // namespace

namespace LhaUnit {

void Start() {
  // A bare module name is also looked for in the current folder, where
  // anyone who can leave a file in a folder the user works in could plant a
  // library of that name. The search is made here in the platform's order
  // without that folder (Wine still searches it after SetDllDirectory), and
  // the libraries loaded later on are kept from it too.
  SetDllDirectoryA("");
  for (const std::string& folder :
       LibrarySearchFolders(FolderOf(ExecutablePath()), SystemFolder(), WindowsFolder(), EnvironmentVariable("PATH"))) {
    std::string candidate = folder + (EndsInPathSeparator(folder) ? "" : "\\") + "UNLHA32.dll";
    if (!FileExists(candidate)) continue;
    // Its own dependencies are looked for beside it first.
    library.Reset(LoadLibraryExA(candidate.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    if (library) return;
  }
}

void Stop() { library.Reset(); }

int Unlha(HWND owner, const std::string& commandLine, std::string& output, std::uint32_t outputSize) {
  auto function = Lookup<UnlhaFunction>("Unlha");
  if (!function) return 32792;
  std::vector<char> buffer(outputSize);
  int status = function(owner, commandLine.c_str(), buffer.data(), outputSize);
  output.assign(buffer.data(), std::find(buffer.begin(), buffer.end(), '\0') - buffer.begin());
  return status;
}

std::uint32_t UnlhaOpenArchive(HWND owner, const std::string& archive, std::uint32_t mode) {
  auto function = Lookup<OpenFunction>("UnlhaOpenArchive");
  return function ? function(owner, archive.c_str(), mode) : 0;
}

int UnlhaCloseArchive(std::uint32_t archive) {
  auto function = Lookup<CloseFunction>("UnlhaCloseArchive");
  return function ? function(archive) : -1;
}

int UnlhaFindFirst(std::uint32_t archive, const std::string& wildcard, char* record) {
  auto function = Lookup<FindFirstFunction>("UnlhaFindFirst");
  return function ? function(archive, wildcard.c_str(), record) : -1;
}

int UnlhaFindNext(std::uint32_t archive, char* record) {
  auto function = Lookup<FindNextFunction>("UnlhaFindNext");
  return function ? function(archive, record) : -1;
}

}  // namespace LhaUnit
