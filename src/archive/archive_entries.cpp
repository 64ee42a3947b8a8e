#include "archive/archive_entries.h"

#include "app/app_state.h"
#include "app/path_rules.h"
#include "archive/archive_paths.h"

// No archive library is bound yet, so nothing is extracted and the caller
// finds no file.
std::string ExtractArchiveMember(const std::string& entry) {
  return TempFolder + NameAfterLastSlash(FileNameOf(entry));
}
