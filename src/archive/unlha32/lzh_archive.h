#pragma once
// LZH archives as our archive library reads them: the members' names as
// they are stored, and one member's data written into a folder. Built on
// lhasa, which decodes the compression methods.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Every file member's stored name in archive order, folders joined by "/";
// nothing when the file is not a readable LZH archive.
std::optional<std::vector<std::string>> ListLzhMembers(const std::string& archivePath);

enum class ExtractResult { Done, NoArchive, NoMember, UnsafeName, Damaged, WriteFailed };

// Writes the member's data to folder + the last "/"-separated part of its
// name, replacing a file of that name and creating the folder when it is
// missing. Nothing is ever written outside the folder, and a member whose
// data fails its check leaves no file of that name behind. A member whose
// declared size exceeds room (the free bytes of the folder's volume) is
// refused before anything is written, and the output stops as soon as it
// passes the declared size, so a small archive can never fill the disk.
// superscriptDigits: as for SafeFileName.
ExtractResult ExtractLzhMember(const std::string& archivePath, std::string_view memberName, std::string folder,
                               std::uint64_t room = UINT64_MAX, std::string_view superscriptDigits = {});

// The member's stored name from its raw header bytes (lhasa rewrites names:
// 0x5C bytes, which are also second halves of Shift-JIS characters, all
// become "/", and all-capital DOS names are lowered). Folder separators
// (0xFF, or "\" outside a double-byte character) become "/".
std::optional<std::string> StoredMemberName(std::span<const std::uint8_t> header, int level);

// The name a member's file takes inside the destination folder, or nothing
// when it could reach outside it or is no plain file name on Windows.
// Windows also keeps COM and LPT followed by a superscript 1, 2 or 3 for
// devices; superscriptDigits holds the bytes that spell those in the code
// page the names are read in: B9, B2 and B3 in the Latin ones, none in the
// Japanese one, where those bytes are the katakana ｹ, ｲ and ｳ.
std::optional<std::string> SafeFileName(std::string_view memberName, std::string_view superscriptDigits = {});

// CRC-16 as LZH archives use it (polynomial 0xA001 reflected, start 0).
std::uint16_t Crc16(std::uint16_t crc, std::span<const std::uint8_t> data);
