#include "archive/archive_paths.h"

#include "app/path_rules.h"
#include "app/shift_jis.h"

bool IsArchiveMember(std::string_view entry) { return HasExtension(FolderOf(entry), ".lzh"); }

std::string NameAfterLastSlash(std::string_view text) {
  // "/" is never the second byte of a double-byte character.
  std::size_t slash = text.rfind('/');
  return std::string(slash == std::string_view::npos ? text : text.substr(slash + 1));
}

std::string MemberNameFromRecord(const char (&record)[kEntryRecordSize]) {
  std::string_view name(record + kEntryNameOffset, kEntryNameSize);
  return std::string(name.substr(0, name.find('\0')));
}

namespace {
bool CanBeCarried(std::string_view piece) {
  if (piece.empty()) return false;
  for (unsigned char byte : piece) {
    if (byte == '"' || byte < 0x20) return false;
  }
  return true;
}

std::string CommandPiece(std::string_view piece) {
  if (piece.find(' ') == std::string_view::npos && !piece.starts_with('-')) return std::string(piece);
  return '"' + std::string(piece) + '"';
}
}  // namespace

std::optional<std::string> ExtractionCommandLine(std::string_view archive, std::string_view folder,
                                                 std::string_view member) {
  if (!CanBeCarried(archive) || !CanBeCarried(folder) || !CanBeCarried(member)) return std::nullopt;
  return "e -m -p -n -y -gm -jd300K " + CommandPiece(archive) + " " + CommandPiece(folder) + " " + CommandPiece(member);
}

namespace {
// "C:\x" or "\\server\share": a folder that does not depend on the current one.
bool IsAbsoluteFolder(std::string_view folder) {
  if (folder.size() >= 3 && folder[1] == ':' && (folder[2] == '\\' || folder[2] == '/')) return true;
  return folder.starts_with("\\\\");
}
}  // namespace

std::vector<std::string> LibrarySearchFolders(std::string_view programFolder, std::string_view systemFolder,
                                              std::string_view windowsFolder, std::string_view pathVariable) {
  std::vector<std::string> folders;
  std::string sixteenBitSystemFolder;
  if (!windowsFolder.empty()) {
    sixteenBitSystemFolder = std::string(windowsFolder) + (EndsInPathSeparator(windowsFolder) ? "" : "\\") + "System";
  }
  for (std::string_view folder :
       {programFolder, systemFolder, std::string_view(sixteenBitSystemFolder), windowsFolder}) {
    if (!folder.empty()) folders.emplace_back(folder);
  }
  std::size_t start = 0;
  while (start <= pathVariable.size()) {
    std::size_t end = pathVariable.find(';', start);
    if (end == std::string_view::npos) end = pathVariable.size();
    std::string_view folder = pathVariable.substr(start, end - start);
    if (folder.size() >= 2 && folder.front() == '"' && folder.back() == '"')
      folder = folder.substr(1, folder.size() - 2);
    if (IsAbsoluteFolder(folder)) folders.emplace_back(folder);
    start = end + 1;
  }
  return folders;
}
