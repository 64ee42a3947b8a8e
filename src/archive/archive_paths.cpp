#include "archive/archive_paths.h"

#include "app/path_rules.h"

bool IsArchiveMember(std::string_view entry) { return UpperCase(ExtensionOf(FolderOf(entry))) == ".LZH"; }

std::string NameAfterLastSlash(std::string_view text) {
  // "/" is never the second byte of a double-byte character.
  std::size_t slash = text.rfind('/');
  return std::string(slash == std::string_view::npos ? text : text.substr(slash + 1));
}
