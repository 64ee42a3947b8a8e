// The folder scan that Open Folder and the command line's folder route use.
#include "list/gathering.h"

#include <windows.h>

#include "app/folders.h"
#include "app/path_rules.h"
#include "archive/archive_entries.h"
#include "archive/archive_paths.h"
#include "list/picture_list.h"
#include "win/folder_entries.h"

void ScanFolder(PictureList& list, std::string folder) {
  GrowingList growing(list);
  growing.HandleMessages();
  ForEachEntry(folder + "\\*.*", [&](const WIN32_FIND_DATAA& found) {
    std::string name = found.cFileName;
    std::string path = folder + "\\" + name;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (!IsLinkedFolder(found.dwFileAttributes, found.dwReserved0)) ScanFolder(list, path);
    } else if (IsListedPictureName(name)) {
      list.Append(path);
    } else if (HasExtension(name, ".lzh")) {
      AddArchivePictures(list, path);
    }
  });
}
