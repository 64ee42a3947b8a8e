#pragma once
// Whole-file reading and crash-safe whole-file writing.

#include <string>
#include <string_view>

// Reads the existing file, letting others read it but not write it.
// Throws "ファイル %s は開けません" when it cannot be opened.
std::string ReadWholeFile(const std::string& path);

// Makes bytes the whole content of path without ever truncating the old
// file: the bytes go to a new file in the same folder, are flushed, and that
// file then takes the old one's place in one step; on a failure there the old
// file stays as it was and the new one is removed. Where no such file can be
// made or put in place, the bytes are written into the file itself. Throws
// "ファイル %s を作成できません" when the file cannot be created or put in
// place, and "ストリームへの書き込みエラー" when the bytes cannot be written.
void ReplaceWholeFile(const std::string& path, std::string_view bytes);
