#include "app/file_io.h"

#include <windows.h>

#include <algorithm>

#include "app/app_error.h"
#include "app/path_rules.h"
#include "app/platform.h"

namespace {

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() { Close(); }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }
  bool Close() {
    bool closed = !IsOpen() || CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

AppError CreateError(const std::string& path) { return AppError(FillIn("ファイル %s を作成できません", path)); }
AppError WriteError() { return AppError("ストリームへの書き込みエラー"); }

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

// The new content in a fresh file beside path, flushed to the medium.
std::string WriteSiblingFile(const std::string& path, std::string_view bytes) {
  std::string folder = FolderOf(path);
  char sibling[MAX_PATH];
  if (!GetTempFileNameA(folder.empty() ? "." : folder.c_str(), "~tv", 0, sibling)) throw CreateError(path);
  FileHandle file(CreateFileA(sibling, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsOpen()) {
    DeleteFileA(sibling);
    throw CreateError(path);
  }
  if (!WriteAll(file.Get(), bytes) || !FlushFileBuffers(file.Get()) || !file.Close()) {
    file.Close();
    DeleteFileA(sibling);
    throw WriteError();
  }
  return sibling;
}

}  // namespace

std::string ReadWholeFile(const std::string& path) {
  FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsOpen()) throw AppError(FillIn("ファイル %s は開けません", path));
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart > 0x7FFFFFFF) throw AppError("ストリームの読み込みエラー");
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD got = 0;
    if (!ReadFile(file.Get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got, nullptr)) {
      throw AppError("ストリームの読み込みエラー");
    }
    if (got == 0) break;  // the file shrank meanwhile
    done += got;
  }
  bytes.resize(done);
  return bytes;
}

void ReplaceWholeFile(const std::string& path, std::string_view bytes) {
  if (path.empty() || FolderExists(path)) throw CreateError(path);
  std::string sibling = WriteSiblingFile(path, bytes);
  DWORD oldAttributes = GetFileAttributesA(path.c_str());
  bool placed;
  if (oldAttributes == INVALID_FILE_ATTRIBUTES) {
    placed = MoveOver(sibling, path);
  } else {
    placed = ReplaceFileA(path.c_str(), sibling.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) ||
             // The old file may be gone already while the new one kept its own name.
             (GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT && MoveOver(sibling, path));
    // A hidden or system list file stays so, as when it is written in place.
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
    if (placed && (GetFileAttributesA(path.c_str()) & kKept) != (oldAttributes & kKept)) {
      SetFileAttributesA(path.c_str(), oldAttributes & (kKept | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED));
    }
  }
  if (!placed) {
    DeleteFileA(sibling.c_str());
    throw CreateError(path);
  }
}
