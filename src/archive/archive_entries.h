#pragma once
// Pictures inside LZH archives: the walk over an archive's members, and a
// member taken out of its archive for showing or as wallpaper.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "archive/archive_paths.h"
#include "archive/lha_unit.h"
#include "win/handles.h"

// The members of one archive, in the order the archive library reports
// them. The library's handle is closed on every way out.
class ArchiveMembers {
 public:
  // Nothing is listed when the library cannot open the archive.
  explicit ArchiveMembers(const std::string& archive);
  explicit operator bool() const { return static_cast<bool>(handle_); }

  // The next member's name as the library reports it (folders joined by
  // "/"), or nothing after the last one.
  std::optional<std::string> Next();

 private:
  Owned<std::uint32_t, &LhaUnit::UnlhaCloseArchive> handle_;
  char record_[kEntryRecordSize] = {};
  bool started_ = false;
  bool ended_ = false;
};

// Extracts the member named by entry (an archive member path) into
// TempFolder and returns the path where its file is expected; whether it
// is there is for the caller to find out. Empty for an entry that cannot be
// put to the library safely: reading it fails like a failed extraction.
// The library's windows, if it shows any, belong to owner.
std::string ExtractArchiveMember(HWND owner, const std::string& entry);
