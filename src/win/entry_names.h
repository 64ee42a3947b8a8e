#pragma once
// How a path the platform holds as wide text becomes an entry. Where the
// code page spells it exactly, the entry is those bytes. Where it does not,
// each name it cannot spell is replaced by that file's or folder's short
// name; where there is none (a volume that keeps no short names, a share),
// the path cannot be an entry. A best-fit guess ("e" for "é", "\" for "¥",
// "?" for "한") never becomes a path.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The text's bytes in the code page, or nothing when it cannot spell them
// exactly.
using ExactBytes = std::function<std::optional<std::string>(std::wstring_view text)>;
// The short name of the last name of path, or nothing when it has none.
using ShortNameOf = std::function<std::optional<std::wstring>(std::wstring_view path)>;

std::optional<std::string> EntryPathOf(std::wstring_view path, const ExactBytes& exact, const ShortNameOf& shortName);

// A name a folder listing gives, with its short name (empty when it has
// none), as an entry spells it.
std::optional<std::string> EntryNameOf(std::wstring_view name, std::wstring_view shortName, const ExactBytes& exact);
