// The folder scan and the archive listing that Open Folder, Open Archive
// and the command line's routes use.
#include "list/gathering.h"

#include <windows.h>

#include "app/folders.h"
#include "archive/archive_entries.h"
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

void AddArchivePictures(PictureList& list, const std::string& archive) {
  ArchiveMembers members(archive);
  if (!members) return;
  GrowingList growing(list);
  while (auto member = members.Next()) {
    growing.HandleMessages();
    if (IsListedPictureName(*member)) list.Append(archive + "\\" + *member);
  }
}
