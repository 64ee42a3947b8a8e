#include "app/file_io.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "app/app_error.h"
#include "app/path_rules.h"
#include "app/platform.h"
#include "win/handles.h"

namespace {

// Closes the file and says whether that succeeded: the last bytes may only
// reach the disk then.
bool CloseFile(OwnedFile& file) { return !file || CloseHandle(file.Release()); }

AppError CreateError(const std::string& path) { return AppError(FillIn(kCannotCreateFile, path)); }
AppError WriteError() { return AppError(kWriteError); }

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

bool MoveOver(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

// A new file beside path, made by us rather than by GetTempFileNameA, which
// refuses folders longer than 246 bytes, and left open in file for writing.
// Empty when none can be made there.
std::string MakeSiblingFile(const std::string& path, OwnedFile& file) {
  std::string folder = FolderOf(path);
  std::string stem = (folder.empty() ? std::string(".") : folder) + "\\~tv";
  static unsigned long counter = 0;
  for (int attempt = 0; attempt < 64; ++attempt) {
    char unique[16];
    std::snprintf(unique, sizeof unique, "%08lX", GetTickCount() ^ (GetCurrentProcessId() << 16) ^ ++counter);
    std::string sibling = stem + unique + ".tmp";
    if (sibling.size() >= MAX_PATH) return {};
    file.Reset(CreateFileA(sibling.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file) return sibling;
    if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) return {};
  }
  return {};
}

// Writes bytes to the open file, flushes and closes it; false when a byte
// does not reach it.
bool WriteAndClose(OwnedFile& file, std::string_view bytes) {
  bool written = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get());
  return CloseFile(file) && written;
}

// Puts sibling in path's place in one step; the old file's hidden and system
// marks stay, as when it is written in place.
bool PutInPlace(const std::string& sibling, const std::string& path) {
  DWORD oldAttributes = GetFileAttributesA(path.c_str());
  if (oldAttributes == INVALID_FILE_ATTRIBUTES) return MoveOver(sibling, path);
  bool placed =
      ReplaceFileA(path.c_str(), sibling.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) ||
      // The old file may be gone already while the new one kept its own name.
      (GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT && MoveOver(sibling, path));
  constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
  if (placed && (GetFileAttributesA(path.c_str()) & kKept) != (oldAttributes & kKept)) {
    SetFileAttributesA(path.c_str(), oldAttributes & (kKept | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED));
  }
  return placed;
}

}  // namespace

std::string ReadWholeFile(const std::string& path) {
  OwnedFile file(
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throw AppError(FillIn(kCannotOpenFile, path));
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart > 0x7FFFFFFF) throw AppError(kReadError);
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD got = 0;
    if (!ReadFile(file.Get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got, nullptr)) {
      throw AppError(kReadError);
    }
    if (got == 0) break;  // the file shrank meanwhile
    done += got;
  }
  bytes.resize(done);
  return bytes;
}

void ReplaceWholeFile(const std::string& path, std::string_view bytes) {
  if (path.empty() || FolderExists(path)) throw CreateError(path);
  OwnedFile file;
  std::string sibling = MakeSiblingFile(path, file);
  if (!sibling.empty()) {
    bool written = WriteAndClose(file, bytes);
    if (written && PutInPlace(sibling, path)) return;
    DeleteFileA(sibling.c_str());
    if (!written) throw WriteError();
  }
  // No file could be made or put beside it (a folder path too long for a
  // second name, a folder where files may be rewritten but not made): the
  // file is written where it is, as a plain save would. Windows refuses to
  // open a read-only file for writing; said here too, since a file system
  // may let the owner do it.
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) throw CreateError(path);
  file.Reset(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throw CreateError(path);
  if (!WriteAndClose(file, bytes)) throw WriteError();
}
