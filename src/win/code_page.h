#pragma once
// Text between the code page the program's entries are in and the
// platform's wide text, and the platform's side of the entry rule.

#include <optional>
#include <string>
#include <string_view>

// The wide text the code page's bytes stand for.
std::wstring WideOf(std::string_view bytes);

// The text's bytes in the code page, or nothing when the code page spells
// it only by a guess or a default character: the bytes must read back as
// the same text.
std::optional<std::string> ExactInCodePage(std::wstring_view text);

// A path the platform gives as wide text as an entry spells it (see
// win/entry_names.h), short names asked of the file system; nothing when it
// cannot be one.
std::optional<std::string> EntryPath(std::wstring_view path);
