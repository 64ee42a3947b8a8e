#pragma once
// Archive member paths: an archive's path, "\", and a member name as the
// archive library reports it, folders joined by "/".

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// True when the entry's folder part has the extension ".LZH" in any case.
bool IsArchiveMember(std::string_view entry);

// The text after the last "/"; the whole text when it holds none.
std::string NameAfterLastSlash(std::string_view text);

// The member name in the archive library's 564-byte entry record: the bytes
// from 26 before the first NUL, at most 514 of them.
inline constexpr std::size_t kEntryRecordSize = 564;
inline constexpr std::size_t kEntryNameOffset = 26;
inline constexpr std::size_t kEntryNameSize = 514;
std::string MemberNameFromRecord(const char (&record)[kEntryRecordSize]);

// The command that makes the archive library extract one member into a
// folder. A piece that holds a space, or starts with "-" like a switch, is
// quoted, or the library would split it or take it for a switch; the others
// go as they are, so every version of the library reads them. Nothing when
// a piece is empty or holds a quote or a control byte (TAB among them): no
// quoting carries those, and a list file or an archive could otherwise make
// the library read another archive or write into another folder.
std::optional<std::string> ExtractionCommandLine(std::string_view archive, std::string_view folder,
                                                 std::string_view member);

// The folders the platform searches for a library loaded by its bare name,
// in its order, without the current folder: the program's folder, the
// system folder, the 16-bit system folder (the Windows folder's "System"),
// the Windows folder, then the folders of PATH that are absolute (a
// relative one would be the current folder again).
std::vector<std::string> LibrarySearchFolders(std::string_view programFolder, std::string_view systemFolder,
                                              std::string_view windowsFolder, std::string_view pathVariable);
