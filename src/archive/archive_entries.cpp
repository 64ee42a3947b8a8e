#include "archive/archive_entries.h"

#include "app/app_state.h"
#include "app/path_rules.h"
#include "archive/archive_paths.h"
#include "archive/lha_unit.h"
#include "list/picture_list.h"
#include "win/handles.h"

void AddArchivePictures(PictureList& list, const std::string& archive) {
  // Closed on every way out: a full list ends the listing with its error.
  Owned<std::uint32_t, &LhaUnit::UnlhaCloseArchive> handle(LhaUnit::UnlhaOpenArchive(nullptr, archive, 0));
  if (!handle) return;
  GrowingList growing(list);
  char record[kEntryRecordSize] = {};
  for (int found = LhaUnit::UnlhaFindFirst(handle.Get(), "*.*", record); found == 0;
       found = LhaUnit::UnlhaFindNext(handle.Get(), record)) {
    growing.HandleMessages();
    std::string member = MemberNameFromRecord(record);
    if (IsListedPictureName(member)) list.Append(archive + "\\" + member);
  }
}

std::string ExtractArchiveMember(HWND owner, const std::string& entry) {
  std::string member = FileNameOf(entry);
  auto command = ExtractionCommandLine(FolderOf(entry), TempFolder, member);
  if (!command) return {};  // not for the library: no file, as a failed extraction
  std::string output;
  LhaUnit::Unlha(owner, *command, output, 0);
  return TempFolder + NameAfterLastSlash(member);
}
