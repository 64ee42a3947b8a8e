#include "win/entry_names.h"

namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

}  // namespace

std::optional<std::string> EntryNameOf(std::wstring_view name, std::wstring_view shortName, const ExactBytes& exact) {
  if (auto bytes = exact(name)) return bytes;
  if (shortName.empty()) return std::nullopt;
  return exact(shortName);
}

std::optional<std::string> EntryPathOf(std::wstring_view path, const ExactBytes& exact, const ShortNameOf& shortName) {
  if (auto bytes = exact(path)) return bytes;
  // Name by name: the separators, and the names the code page spells, stay
  // as they are.
  std::string entry;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = start;
    while (end < path.size() && !IsSeparator(path[end])) ++end;
    std::wstring_view name = path.substr(start, end - start);
    auto bytes = exact(name);
    if (!bytes) {
      auto alias = shortName(path.substr(0, end));
      if (!alias) return std::nullopt;
      bytes = exact(*alias);
      if (!bytes) return std::nullopt;
    }
    entry += *bytes;
    if (end == path.size()) break;
    entry += static_cast<char>(path[end]);
    start = end + 1;
  }
  return entry;
}
