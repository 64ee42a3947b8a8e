#include "win/folder_entries.h"

#include "win/code_page.h"
#include "win/entry_names.h"
#include "win/handles.h"

void ForEachEntry(const std::string& pattern, const std::function<void(const FolderEntry&)>& visit) {
  // Listed wide: the ANSI listing would hand out a best-fit guess for a
  // name the code page cannot spell.
  WIN32_FIND_DATAW found;
  OwnedFind listing(FindFirstFileW(WideOf(pattern).c_str(), &found));
  if (!listing) return;
  do {
    std::wstring_view name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if (auto entryName = EntryNameOf(name, found.cAlternateFileName, ExactInCodePage)) {
      visit(FolderEntry{std::move(*entryName), found.dwFileAttributes, found.dwReserved0});
    }
  } while (FindNextFileW(listing.Get(), &found));
}
