#include "app/folders.h"

#include "app/path_rules.h"
#include "app/shift_jis.h"

std::string DataFolderFromRecent(std::string_view recentFolder) {
  return FolderOf(recentFolder) + "\\Tirvane\\";
}

std::string TempFolderFrom(std::string_view tempPath, std::string_view exePath) {
  std::string folder(tempPath);
  if (folder.empty()) folder = FolderOf(exePath) + "\\";
  return folder + BaseNameOf(exePath) + "\\";
}

std::string SettingsPathFor(std::string_view dataFolder, std::string_view exePath) {
  return std::string(dataFolder) + ChangeExtension(FileNameOf(exePath), ".ini");
}

std::string DriveRootOf(std::string_view exePath) {
  return FolderOf(exePath).substr(0, 3);
}

bool IsLinkedFolder(unsigned long attributes, unsigned long reparseTag) {
  constexpr unsigned long kFolder = 0x10, kReparsePoint = 0x400;
  // IO_REPARSE_TAG_CLOUD and its sixteen numbered variants.
  constexpr unsigned long kCloudTag = 0x9000001A, kCloudTagMask = 0xFFFF0FFF;
  if ((attributes & (kFolder | kReparsePoint)) != (kFolder | kReparsePoint)) return false;
  return (reparseTag & kCloudTagMask) != kCloudTag;
}

std::vector<std::string> FolderChain(std::string_view folder) {
  // Where each "\" that is not the second half of a character stands.
  std::vector<std::size_t> separators;
  for (std::size_t i = 0; i < folder.size(); i += CharLengthAt(folder, i)) {
    if (folder[i] == '\\' && CharLengthAt(folder, i) == 1) separators.push_back(i);
  }
  std::size_t rootEnd = 0;  // the root's length
  std::size_t next = 0;     // the first separator after the root
  if (folder.size() >= 3 && folder[1] == ':' && folder[2] == '\\') {
    rootEnd = 3;
    next = 1;
  } else if (folder.starts_with("\\\\") && separators.size() >= 3) {
    // \\server\share: the root ends before the fourth "\", or at the end.
    rootEnd = separators.size() >= 4 ? separators[3] : folder.size();
    next = 4;
  } else {
    rootEnd = separators.empty() ? folder.size() : separators[0];
    next = 1;
  }
  std::vector<std::string> chain{std::string(folder.substr(0, rootEnd))};
  for (std::size_t s = next; s <= separators.size(); ++s) {
    std::size_t end = s < separators.size() ? separators[s] : folder.size();
    std::size_t begin = (s == 0 ? 0 : separators[s - 1]) + 1;
    if (end > begin) chain.emplace_back(folder.substr(0, end));
  }
  return chain;
}

std::string SubfolderOf(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!EndsInPathSeparator(path)) path += '\\';
  return path + std::string(name);
}
