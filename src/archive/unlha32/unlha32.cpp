// UNLHA32.dll: our own archive library, for users who have none. It lists
// an LZH archive's members and extracts one member on the command line
// "e [switches] archive folder\ member".
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "app/shift_jis.h"
#include "archive/archive_paths.h"
#include "archive/unlha32/lzh_archive.h"
#include "archive/unlha32/unlha_command.h"

namespace {

// Statuses; 0 is success.
constexpr int kBadCommand = 0x8001, kNoArchive = 0x8002, kNoMember = 0x8003, kUnsafeName = 0x8004, kDamaged = 0x8005,
              kWriteFailed = 0x8006, kNoMemory = 0x8007, kEnd = -1;

// No exception may leave an exported function for the caller's frames:
// running out of memory is a status like any other.
template <class Result, class Work>
Result Guarded(Result onLackOfMemory, Work&& work) {
  try {
    return work();
  } catch (...) {
    return onLackOfMemory;
  }
}

struct OpenArchive {
  std::vector<std::string> members;
  std::size_t next = 0;
};

std::map<std::uint32_t, OpenArchive> archives;
std::uint32_t lastHandle = 0;

// The bytes free to the caller on the folder's volume: the current
// folder's when it is empty, or, for a folder yet to be made, that of its
// nearest existing parent. Unlimited when the platform cannot tell.
std::uint64_t RoomIn(const std::string& folder) {
  std::string path = folder.empty() ? "." : folder;
  ULARGE_INTEGER free{};
  while (!GetDiskFreeSpaceExA(path.c_str(), &free, nullptr, nullptr)) {
    std::size_t cut = path.size() >= 2 ? path.find_last_of("\\/", path.size() - 2) : std::string::npos;
    if (cut == std::string::npos || cut == 0) return UINT64_MAX;
    path.resize(cut + 1);
  }
  return free.QuadPart;
}

// The bytes this process's code page spells as the superscripts 1, 2 and 3.
const std::string& SuperscriptDigits() {
  static const std::string digits = [] {
    std::string found;
    for (char byte : {'\xB9', '\xB2', '\xB3'}) {
      wchar_t wide = 0;
      if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &byte, 1, &wide, 1) == 1 &&
          (wide == L'\u00B9' || wide == L'\u00B2' || wide == L'\u00B3')) {
        found += byte;
      }
    }
    return found;
  }();
  return digits;
}

int Status(ExtractResult result) {
  switch (result) {
    case ExtractResult::Done: return 0;
    case ExtractResult::NoArchive: return kNoArchive;
    case ExtractResult::NoMember: return kNoMember;
    case ExtractResult::UnsafeName: return kUnsafeName;
    case ExtractResult::Damaged: return kDamaged;
    case ExtractResult::WriteFailed: return kWriteFailed;
  }
  return kBadCommand;
}

// The member's name at byte 26 of the caller's record, NUL-terminated; a
// longer name is cut before a whole character.
int FillRecord(OpenArchive& archive, void* record) {
  if (archive.next >= archive.members.size()) return kEnd;
  const std::string& name = archive.members[archive.next++];
  std::size_t length = 0;
  while (length < name.size()) {
    std::size_t step = CharLengthAt(name, length);
    if (length + step >= kEntryNameSize) break;  // room for the NUL
    length += step;
  }
  auto* bytes = static_cast<char*>(record);
  std::memset(bytes, 0, kEntryRecordSize);
  std::memcpy(bytes + kEntryNameOffset, name.data(), length);
  return 0;
}

}  // namespace

extern "C" {

__declspec(dllexport) int WINAPI Unlha(HWND, LPCSTR commandLine, LPSTR output, DWORD outputSize) {
  return Guarded<int>(kNoMemory, [&] {
    if (output && outputSize > 0) output[0] = '\0';
    auto command = commandLine ? ParseUnlhaCommand(commandLine) : std::nullopt;
    if (!command || command->command != "e" || command->members.empty()) return kBadCommand;
    int status = 0;
    const std::uint64_t room = RoomIn(command->folder);
    for (const std::string& member : command->members) {
      int result = Status(ExtractLzhMember(command->archive, member, command->folder, room, SuperscriptDigits()));
      if (result != 0) status = result;
    }
    return status;
  });
}

__declspec(dllexport) std::uint32_t WINAPI UnlhaOpenArchive(HWND, LPCSTR archivePath, DWORD) {
  return Guarded<std::uint32_t>(0u, [&] {
    if (!archivePath) return 0u;
    auto members = ListLzhMembers(archivePath);
    if (!members) return 0u;
    std::uint32_t handle = ++lastHandle;
    if (handle == 0) handle = ++lastHandle;
    archives[handle] = {std::move(*members), 0};
    return handle;
  });
}

__declspec(dllexport) int WINAPI UnlhaCloseArchive(std::uint32_t handle) { return archives.erase(handle) ? 0 : kEnd; }

__declspec(dllexport) int WINAPI UnlhaFindFirst(std::uint32_t handle, LPCSTR, void* record) {
  return Guarded<int>(kEnd, [&] {
    auto found = archives.find(handle);
    if (found == archives.end() || !record) return kEnd;
    found->second.next = 0;
    return FillRecord(found->second, record);
  });
}

__declspec(dllexport) int WINAPI UnlhaFindNext(std::uint32_t handle, void* record) {
  return Guarded<int>(kEnd, [&] {
    auto found = archives.find(handle);
    if (found == archives.end() || !record) return kEnd;
    return FillRecord(found->second, record);
  });
}

}  // extern "C"
