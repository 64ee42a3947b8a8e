#include "archive/archive_paths.h"

#include "app/path_rules.h"

bool IsArchiveMember(std::string_view entry) { return UpperCase(ExtensionOf(FolderOf(entry))) == ".LZH"; }

std::string NameAfterLastSlash(std::string_view text) {
  // "/" is never the second byte of a double-byte character.
  std::size_t slash = text.rfind('/');
  return std::string(slash == std::string_view::npos ? text : text.substr(slash + 1));
}

bool IsPictureMemberName(std::string_view name) {
  std::string extension = UpperCase(ExtensionOf(name));
  return extension == ".BMP" || extension == ".JPG";
}

std::string MemberNameFromRecord(const char (&record)[kEntryRecordSize]) {
  std::string_view name(record + kEntryNameOffset, kEntryNameSize);
  return std::string(name.substr(0, name.find('\0')));
}

namespace {
std::string CommandPiece(std::string_view piece) {
  if (piece.find(' ') == std::string_view::npos) return std::string(piece);
  return '"' + std::string(piece) + '"';
}
}  // namespace

std::string ExtractionCommandLine(std::string_view archive, std::string_view folder, std::string_view member) {
  return "e -m -p -n -y -gm -jd300K " + CommandPiece(archive) + " " + CommandPiece(folder) + " " +
         CommandPiece(member);
}
