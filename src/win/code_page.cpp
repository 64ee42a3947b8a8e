#include "win/code_page.h"

#include <windows.h>

#include "win/entry_names.h"
#include "win/handles.h"

std::wstring WideOf(std::string_view bytes) {
  auto convert = [&](wchar_t* out, int room) {
    return MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), out, room);
  };
  std::wstring wide(static_cast<std::size_t>(bytes.empty() ? 0 : convert(nullptr, 0)), L'\0');
  if (!wide.empty()) wide.resize(static_cast<std::size_t>(convert(wide.data(), static_cast<int>(wide.size()))));
  return wide;
}

std::optional<std::string> ExactInCodePage(std::wstring_view text) {
  if (text.empty()) return std::string();
  auto convert = [&](char* out, int room) {
    return WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out, room, nullptr, nullptr);
  };
  int length = convert(nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(length), '\0');
  bytes.resize(static_cast<std::size_t>(convert(bytes.data(), length)));
  if (WideOf(bytes) != text) return std::nullopt;
  return bytes;
}

std::optional<std::string> EntryPath(std::wstring_view path) {
  return EntryPathOf(path, ExactInCodePage, [](std::wstring_view of) -> std::optional<std::wstring> {
    // The listing takes these as wildcards, which would hand out the short
    // name of another file; no real name holds them.
    if (of.find_first_of(L"*?<>\"") != std::wstring_view::npos) return std::nullopt;
    WIN32_FIND_DATAW found;
    OwnedFind listing(FindFirstFileW(std::wstring(of).c_str(), &found));
    if (!listing || !found.cAlternateFileName[0]) return std::nullopt;
    return std::wstring(found.cAlternateFileName);
  });
}
