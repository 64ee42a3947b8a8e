#include "win/dropped_files.h"

namespace {

std::wstring WideName(HDROP drop, UINT index) {
  std::wstring name(DragQueryFileW(drop, index, nullptr, 0) + 1, L'\0');
  name.resize(DragQueryFileW(drop, index, name.data(), static_cast<UINT>(name.size())));
  return name;
}

std::string AnsiName(HDROP drop, UINT index) {
  std::string name(DragQueryFileA(drop, index, nullptr, 0) + 1, '\0');
  name.resize(DragQueryFileA(drop, index, name.data(), static_cast<UINT>(name.size())));
  return name;
}

// The wide text the code page's bytes stand for; empty for bytes that are
// no text in it.
std::wstring AsWide(const std::string& text) {
  auto convert = [&](wchar_t* out, int room) {
    return MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), out, room);
  };
  int length = convert(nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
  if (length > 0) convert(wide.data(), length);
  return wide;
}

}  // namespace

std::vector<std::optional<std::string>> DroppedFiles(HDROP drop) {
  std::vector<std::optional<std::string>> files;
  UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  files.reserve(count);
  for (UINT i = 0; i < count; ++i) {
    // The shell holds the names as wide text; its ANSI form is the name only
    // when it reads back as the same text.
    std::string name = AnsiName(drop, i);
    bool exact = !name.empty() && AsWide(name) == WideName(drop, i);
    files.push_back(exact ? std::optional(name) : std::nullopt);
  }
  return files;
}
