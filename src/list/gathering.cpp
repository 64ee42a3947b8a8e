// The folder scan and the archive listing that Open Folder, Open Archive
// and the command line's routes use.
#include "list/gathering.h"

#include <windows.h>

#include "app/folders.h"
#include "archive/archive_entries.h"
#include "list/picture_list.h"
#include "win/folder_entries.h"

std::optional<ListedEntry> ScanFolder(PictureList& list, std::string folder) {
  std::optional<ListedEntry> first;
  auto keepFirst = [&](std::optional<ListedEntry> appended) {
    if (!first) first = std::move(appended);
  };
  GrowingList growing(list);
  growing.HandleMessages();
  ForEachEntry(folder + "\\*.*", [&](const FolderEntry& found) {
    const std::string& name = found.name;
    std::string path = folder + "\\" + name;
    if (found.attributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (!IsLinkedFolder(found.attributes, found.reparseTag)) keepFirst(ScanFolder(list, path));
    } else if (IsListedPictureName(name)) {
      int index = list.Append(path);
      keepFirst(ListedEntry{index, path});
    } else if (HasExtension(name, ".lzh")) {
      keepFirst(AddArchivePictures(list, path));
    }
  });
  return first;
}

std::optional<ListedEntry> AddArchivePictures(PictureList& list, const std::string& archive) {
  ArchiveMembers members(archive);
  if (!members) return std::nullopt;
  std::optional<ListedEntry> first;
  GrowingList growing(list);
  while (auto member = members.Next()) {
    growing.HandleMessages();
    if (!IsListedPictureName(*member)) continue;
    std::string entry = archive + "\\" + *member;
    int index = list.Append(entry);
    if (!first) first = ListedEntry{index, entry};
  }
  return first;
}

int IndexNow(const PictureList& list, const ListedEntry& entry) {
  if (entry.index < list.Count() && list.At(entry.index) == entry.entry) return entry.index;
  return list.Find(entry.entry);
}
