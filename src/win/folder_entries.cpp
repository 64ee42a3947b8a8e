#include "win/folder_entries.h"

#include <cstring>

#include "win/handles.h"

void ForEachEntry(const std::string& pattern, const std::function<void(const WIN32_FIND_DATAA&)>& visit) {
  WIN32_FIND_DATAA found;
  OwnedFind listing(FindFirstFileA(pattern.c_str(), &found));
  if (!listing) return;
  do {
    if (std::strcmp(found.cFileName, ".") != 0 && std::strcmp(found.cFileName, "..") != 0) visit(found);
  } while (FindNextFileA(listing.Get(), &found));
}
