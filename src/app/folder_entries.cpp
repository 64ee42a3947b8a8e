#include "app/folder_entries.h"

#include <cstring>

void ForEachEntry(const std::string& pattern, const std::function<void(const WIN32_FIND_DATAA&)>& visit) {
  WIN32_FIND_DATAA found;
  HANDLE listing = FindFirstFileA(pattern.c_str(), &found);
  if (listing == INVALID_HANDLE_VALUE) return;
  struct Closer {
    HANDLE listing;
    ~Closer() { FindClose(listing); }
  } closer{listing};
  do {
    if (std::strcmp(found.cFileName, ".") != 0 && std::strcmp(found.cFileName, "..") != 0) visit(found);
  } while (FindNextFileA(listing, &found));
}
