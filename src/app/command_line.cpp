#include "app/command_line.h"

#include <optional>
#include <type_traits>

#include "app/path_rules.h"

namespace {

template <class Char>
bool IsSeparator(Char c) {
  auto code = static_cast<std::make_unsigned_t<Char>>(c);
  return code >= 1 && code <= 32;
}

// Reads the token that starts at or after pos; none at the end of the line.
template <class Char>
std::optional<std::basic_string<Char>> NextToken(std::basic_string_view<Char> line, std::size_t& pos) {
  constexpr Char kQuote = '"';
  for (;;) {
    while (pos < line.size() && IsSeparator(line[pos])) ++pos;
    if (pos + 1 < line.size() && line[pos] == kQuote && line[pos + 1] == kQuote) {
      pos += 2;
      continue;
    }
    break;
  }
  if (pos >= line.size() || line[pos] == Char{}) return std::nullopt;
  std::basic_string<Char> token;
  bool quoted = false;
  for (; pos < line.size() && line[pos] != Char{}; ++pos) {
    Char c = line[pos];
    if (c == kQuote) {
      quoted = !quoted;
    } else if (!quoted && IsSeparator(c)) {
      break;
    } else {
      token += c;
    }
  }
  return token;
}

template <class Char>
std::basic_string<Char> SecondToken(std::basic_string_view<Char> commandLine) {
  std::size_t pos = 0;
  if (!NextToken(commandLine, pos)) return {};
  return NextToken(commandLine, pos).value_or(std::basic_string<Char>());
}

}  // namespace

std::string FirstArgument(std::string_view commandLine) { return SecondToken(commandLine); }
std::wstring FirstArgument(std::wstring_view commandLine) { return SecondToken(commandLine); }

StartRoute ChooseStartRoute(const std::string& argument, bool (*folderExists)(const std::string&)) {
  if (HasExtension(argument, ".lzh")) return StartRoute::Archive;
  if (HasExtension(argument, ".pvl")) return StartRoute::ListFile;
  if (folderExists(argument)) return StartRoute::Folder;
  if (argument.empty() || argument[0] == '-' || argument[0] == '/') return StartRoute::LastList;
  return StartRoute::Wallpaper;
}
