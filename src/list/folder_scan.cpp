// The folder scan that Open Folder and the command line's folder route use.
#include "list/gathering.h"

#include <windows.h>

#include "app/folders.h"
#include "app/path_rules.h"
#include "archive/archive_entries.h"
#include "archive/archive_paths.h"
#include "list/picture_list.h"

namespace {

class FindHandle {
 public:
  explicit FindHandle(HANDLE handle) : handle_(handle) {}
  ~FindHandle() { FindClose(handle_); }
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;

 private:
  HANDLE handle_;
};

}  // namespace

void ScanFolder(PictureList& list, std::string folder) {
  GrowingList growing(list);
  growing.HandleMessages();
  WIN32_FIND_DATAA found;
  HANDLE listing = FindFirstFileA((folder + "\\*.*").c_str(), &found);
  if (listing == INVALID_HANDLE_VALUE) return;
  FindHandle closer(listing);
  do {
    std::string name = found.cFileName;
    std::string path = folder + "\\" + name;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (name != "." && name != ".." && !IsLinkedFolder(found.dwFileAttributes, found.dwReserved0)) {
        ScanFolder(list, path);
      }
    } else if (IsListedPictureName(name)) {
      list.Append(path);
    } else if (UpperCase(ExtensionOf(name)) == ".LZH") {
      AddArchivePictures(list, path);
    }
  } while (FindNextFileA(listing, &found));
}
