#include "win/dropped_files.h"

#include "win/code_page.h"

std::vector<std::optional<std::string>> DroppedFiles(HDROP drop) {
  std::vector<std::optional<std::string>> files;
  UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  files.reserve(count);
  for (UINT i = 0; i < count; ++i) {
    // Read wide: the ANSI form of a name the code page cannot spell is a
    // guess.
    std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
    path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
    files.push_back(EntryPath(path));
  }
  return files;
}
