#include "app/folders.h"

#include <algorithm>

#include "app/path_rules.h"
#include "app/shift_jis.h"

std::string DataFolderFromRecent(std::string_view recentFolder) { return FolderOf(recentFolder) + "\\Tirvane\\"; }

std::string TempFolderFrom(std::string_view tempPath, std::string_view exePath) {
  std::string folder(tempPath);
  if (folder.empty()) folder = FolderOf(exePath) + "\\";
  return folder + BaseNameOf(exePath) + "\\";
}

std::string SettingsPathFor(std::string_view dataFolder, std::string_view exePath) {
  return std::string(dataFolder) + ChangeExtension(FileNameOf(exePath), ".ini");
}

std::string DriveRootOf(std::string_view exePath) { return FolderOf(exePath).substr(0, 3); }

bool IsLinkedFolder(unsigned long attributes, unsigned long reparseTag) {
  constexpr unsigned long kFolder = 0x10, kReparsePoint = 0x400;
  // IO_REPARSE_TAG_CLOUD and its sixteen numbered variants.
  constexpr unsigned long kCloudTag = 0x9000001A, kCloudTagMask = 0xFFFF0FFF;
  if ((attributes & (kFolder | kReparsePoint)) != (kFolder | kReparsePoint)) return false;
  return (reparseTag & kCloudTagMask) != kCloudTag;
}

std::vector<std::string> FolderChain(std::string_view folder) {
  if (folder.empty()) return {};
  // Where each "\" that is not the second half of a character stands.
  std::vector<std::size_t> separators;
  for (std::size_t i = 0; i < folder.size(); i += CharLengthAt(folder, i)) {
    if (folder[i] == '\\' && CharLengthAt(folder, i) == 1) separators.push_back(i);
  }
  const bool letter = (folder[0] >= 'A' && folder[0] <= 'Z') || (folder[0] >= 'a' && folder[0] <= 'z');
  std::size_t rootEnd;  // the root's length: C:\, \\server\share, \ or a first name
  if (letter && folder.size() >= 3 && folder[1] == ':' && folder[2] == '\\') {
    rootEnd = 3;
  } else if (folder.starts_with("\\\\")) {
    rootEnd = separators.size() >= 4 ? separators[3] : folder.size();
  } else {
    rootEnd = separators.empty() ? folder.size() : std::max<std::size_t>(1, separators[0]);
  }
  // Then one step per name: each longer than the one before, never empty.
  std::vector<std::string> chain{std::string(folder.substr(0, rootEnd))};
  std::size_t nameStart = rootEnd;
  separators.push_back(folder.size());
  for (std::size_t end : separators) {
    if (end < nameStart) continue;
    if (end > nameStart) chain.emplace_back(folder.substr(0, end));
    nameStart = end + 1;
  }
  return chain;
}

namespace {

bool IsSeparatorAt(std::string_view text, std::size_t i) {
  return CharLengthAt(text, i) == 1 && (text[i] == '\\' || text[i] == '/');
}

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The length of "server\share\" at the start of text, the final separator
// included when there is one; 0 when either name is missing.
std::size_t ShareRootLength(std::string_view text) {
  int names = 0;
  for (std::size_t i = 0, start = 0; i <= text.size(); i += i < text.size() ? CharLengthAt(text, i) : 1) {
    if (i < text.size() && !IsSeparatorAt(text, i)) continue;
    if (i == start) return 0;  // an empty name
    if (++names == 2) return i < text.size() ? i + 1 : i;
    start = i + 1;
  }
  return 0;
}

}  // namespace

std::string VolumeRootOf(std::string_view path) {
  std::string prefix;
  if (path.size() >= 4 && IsSeparatorAt(path, 0) && IsSeparatorAt(path, 1) && (path[2] == '?' || path[2] == '.') &&
      IsSeparatorAt(path, 3)) {
    prefix = std::string(path.substr(0, 4));
    path.remove_prefix(4);
    if (path.size() >= 4 && UpperCase(path.substr(0, 3)) == "UNC" && IsSeparatorAt(path, 3)) {
      std::size_t share = ShareRootLength(path.substr(4));
      if (share == 0) return {};
      std::string root = prefix + std::string(path.substr(0, 4 + share));
      return EndsInPathSeparator(root) ? root : root + '\\';
    }
  }
  if (path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == ':')
    return prefix + std::string(path.substr(0, 2)) + '\\';
  if (!prefix.empty()) return {};
  if (path.size() >= 2 && IsSeparatorAt(path, 0) && IsSeparatorAt(path, 1)) {
    std::size_t share = ShareRootLength(path.substr(2));
    if (share == 0) return {};
    std::string root(path.substr(0, 2 + share));
    return EndsInPathSeparator(root) ? root : root + '\\';
  }
  return {};
}

std::string SubfolderOf(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!EndsInPathSeparator(path)) path += '\\';
  return path + std::string(name);
}
