#include "archive/archive_entries.h"

#include "app/app_state.h"
#include "app/path_rules.h"
#include "archive/archive_paths.h"
#include "archive/lha_unit.h"
#include "list/picture_list.h"
#include "view/form1.h"

void AddArchivePictures(PictureList& list, const std::string& archive) {
  std::uint32_t handle = LhaUnit::UnlhaOpenArchive(nullptr, archive, 0);
  if (!handle) return;
  // Closed on every way out: a full list ends the listing with its error.
  struct Closer {
    std::uint32_t handle;
    ~Closer() { LhaUnit::UnlhaCloseArchive(handle); }
  } closer{handle};
  GrowingList growing(list);
  char record[kEntryRecordSize] = {};
  for (int found = LhaUnit::UnlhaFindFirst(handle, "*.*", record); found == 0;
       found = LhaUnit::UnlhaFindNext(handle, record)) {
    growing.HandleMessages();
    std::string member = MemberNameFromRecord(record);
    if (IsListedPictureName(member)) list.Append(archive + "\\" + member);
  }
}

std::string ExtractArchiveMember(const std::string& entry) {
  std::string member = FileNameOf(entry);
  auto command = ExtractionCommandLine(FolderOf(entry), TempFolder, member);
  if (!command) return {};  // not for the library: no file, as a failed extraction
  std::string output;
  LhaUnit::Unlha(Form1->Handle(), *command, output, 0);
  return TempFolder + NameAfterLastSlash(member);
}
