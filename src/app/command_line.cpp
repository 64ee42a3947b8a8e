#include "app/command_line.h"

#include <optional>

#include "app/path_rules.h"

namespace {

bool IsSeparator(char c) {
  auto b = static_cast<unsigned char>(c);
  return b >= 1 && b <= 32;
}

// Reads the token that starts at or after pos; none at the end of the line.
std::optional<std::string> NextToken(std::string_view line, std::size_t& pos) {
  for (;;) {
    while (pos < line.size() && IsSeparator(line[pos])) ++pos;
    if (pos + 1 < line.size() && line[pos] == '"' && line[pos + 1] == '"') {
      pos += 2;
      continue;
    }
    break;
  }
  if (pos >= line.size() || line[pos] == '\0') return std::nullopt;
  std::string token;
  bool quoted = false;
  for (; pos < line.size() && line[pos] != '\0'; ++pos) {
    char c = line[pos];
    if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && IsSeparator(c)) {
      break;
    } else {
      token += c;
    }
  }
  return token;
}

}  // namespace

std::string FirstArgument(std::string_view commandLine) {
  std::size_t pos = 0;
  if (!NextToken(commandLine, pos)) return {};
  return NextToken(commandLine, pos).value_or(std::string());
}

StartRoute ChooseStartRoute(const std::string& argument, bool (*folderExists)(const std::string&)) {
  if (HasExtension(argument, ".lzh")) return StartRoute::Archive;
  if (HasExtension(argument, ".pvl")) return StartRoute::ListFile;
  if (folderExists(argument)) return StartRoute::Folder;
  if (argument.empty() || argument[0] == '-' || argument[0] == '/') return StartRoute::LastList;
  return StartRoute::Wallpaper;
}
