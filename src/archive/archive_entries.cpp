#include "archive/archive_entries.h"

#include "app/app_state.h"
#include "app/path_rules.h"

ArchiveMembers::ArchiveMembers(const std::string& archive) : handle_(LhaUnit::UnlhaOpenArchive(nullptr, archive, 0)) {}

std::optional<std::string> ArchiveMembers::Next() {
  if (!handle_ || ended_) return std::nullopt;
  int found = started_ ? LhaUnit::UnlhaFindNext(handle_.Get(), record_)
                       : LhaUnit::UnlhaFindFirst(handle_.Get(), "*.*", record_);
  started_ = true;
  // After the last member the library is asked nothing more.
  ended_ = found != 0;
  if (ended_) return std::nullopt;
  return MemberNameFromRecord(record_);
}

std::string ExtractArchiveMember(HWND owner, const std::string& entry) {
  std::string member = FileNameOf(entry);
  auto command = ExtractionCommandLine(FolderOf(entry), TempFolder, member);
  if (!command) return {};  // not for the library: no file, as a failed extraction
  std::string output;
  LhaUnit::Unlha(owner, *command, output, 0);
  return TempFolder + NameAfterLastSlash(member);
}
