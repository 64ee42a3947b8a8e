#pragma once
// Archive member paths: an archive's path, "\", and a member name as the
// archive library reports it, folders joined by "/".

#include <string>
#include <string_view>

// True when the entry's folder part has the extension ".LZH" in any case.
bool IsArchiveMember(std::string_view entry);

// The text after the last "/"; the whole text when it holds none.
std::string NameAfterLastSlash(std::string_view text);
