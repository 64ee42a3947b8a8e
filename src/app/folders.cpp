#include "app/folders.h"

#include "app/path_rules.h"

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
