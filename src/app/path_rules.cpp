#include "app/path_rules.h"

#include "app/shift_jis.h"

namespace {

constexpr std::size_t kNone = std::string_view::npos;

struct Delimiter {
  std::size_t at = kNone;
  bool afterRootMark = false;  // directly after a single-byte ":" or "\"
};

// The last single-byte character that is one of delimiters.
Delimiter LastDelimiter(std::string_view path, std::string_view delimiters) {
  Delimiter found;
  bool previousIsRootMark = false;
  for (std::size_t i = 0; i < path.size(); i += CharLengthAt(path, i)) {
    bool single = CharLengthAt(path, i) == 1;
    if (single && delimiters.find(path[i]) != kNone) found = {i, previousIsRootMark};
    previousIsRootMark = single && (path[i] == ':' || path[i] == '\\');
  }
  return found;
}

}  // namespace

std::string FolderOf(std::string_view path) {
  Delimiter d = LastDelimiter(path, "\\:");
  if (d.at == kNone) return {};
  // A ":" stays with its drive; a "\" is dropped unless it is a root, as in
  // C:\, \\ or the leading "\" of \x.jpg.
  bool keep = path[d.at] == ':' || d.at == 0 || d.afterRootMark;
  return std::string(path.substr(0, keep ? d.at + 1 : d.at));
}

std::string FileNameOf(std::string_view path) {
  std::size_t i = LastDelimiter(path, "\\:").at;
  return std::string(i == kNone ? path : path.substr(i + 1));
}

std::string ExtensionOf(std::string_view path) {
  std::size_t i = LastDelimiter(path, ".\\:").at;
  if (i == kNone || path[i] != '.') return {};
  return std::string(path.substr(i));
}

std::string ChangeExtension(std::string_view path, std::string_view extension) {
  std::size_t i = LastDelimiter(path, ".\\:").at;
  std::string result(i != kNone && path[i] == '.' ? path.substr(0, i) : path);
  result += extension;
  return result;
}

std::string BaseNameOf(std::string_view path) { return ChangeExtension(FileNameOf(path), ""); }

bool HasExtension(std::string_view path, std::string_view extension) {
  return UpperCase(ExtensionOf(path)) == UpperCase(extension);
}
