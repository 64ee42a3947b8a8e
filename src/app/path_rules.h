#pragma once
// Path operations on Shift-JIS byte strings. A "\", ":" or "." that is the
// second byte of a double-byte character belongs to it and is no delimiter.

#include <string>
#include <string_view>

#include "app/shift_jis.h"  // UpperCase

// The text before the last "\" or ":"; a "\" that follows ":" or another "\"
// stays, so the folder of C:\x.exe is C:\ and that of C:\A\x.exe is C:\A.
std::string FolderOf(std::string_view path);

// The text after the last "\" or ":".
std::string FileNameOf(std::string_view path);

// From the last "." after the last "\" and ":", dot included; empty if none.
std::string ExtensionOf(std::string_view path);

// The path without its extension, followed by extension (empty removes it).
std::string ChangeExtension(std::string_view path, std::string_view extension);

// The file name without its folder and without its extension.
std::string BaseNameOf(std::string_view path);

// True when the path's extension is extension ("." included), in any case
// of its single-byte letters: HasExtension("A.LzH", ".lzh").
bool HasExtension(std::string_view path, std::string_view extension);
