// The picture list's rules and the list files, checked against the real
// list-box control and file system under Windows (or Wine), the command
// table's shortcuts, a PNG icon read on threads in any state of COM, the
// paths of a drop from the shell, and the entries of names the code page
// cannot spell.
// Prints one line per failed check and closes with "N passed, N failed".
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "app/app_error.h"
#include "app/file_io.h"
#include "list/list_file.h"
#include "list/picture_list.h"
#include "picture/picture.h"
#include "view/command_table.h"
#include "win/code_page.h"
#include "win/dropped_files.h"
#include "win/folder_entries.h"

namespace {

int passed = 0;
int failed = 0;
int selectionNotices = 0;

void Check(bool ok, const char* what, int line) {
  if (ok) {
    ++passed;
  } else {
    ++failed;
    std::printf("FAIL line %d: %s\n", line, what);
  }
}
#define CHECK(condition) Check((condition), #condition, __LINE__)

template <class Work>
std::string ErrorOf(Work&& work) {
  try {
    work();
  } catch (const AppError& error) {
    return error.what();
  }
  return "(no error)";
}

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == LBN_SELCHANGE) ++selectionNotices;
  return DefWindowProcA(window, message, wParam, lParam);
}

PictureList MakeList() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = ParentProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "ListTestParent";
  RegisterClassA(&windowClass);
  HWND parent = CreateWindowA("ListTestParent", "", WS_OVERLAPPEDWINDOW, 0, 0, 300, 300, nullptr, nullptr,
                              windowClass.hInstance, nullptr);
  HWND box = CreateWindowA("LISTBOX", "", WS_CHILD | WS_VISIBLE | LBS_NOTIFY, 0, 0, 200, 200, parent, nullptr,
                           windowClass.hInstance, nullptr);
  PictureList list;
  list.Attach(box);
  return list;
}

void Fill(PictureList& list, const std::vector<std::string>& entries) {
  list.Clear();
  for (const auto& entry : entries) list.Append(entry);
}

void SelectionRules(PictureList& list) {
  Fill(list, {"a", "b", "c", "d"});
  CHECK(list.Selected() == -1);
  list.Select(2);
  CHECK(list.Selected() == 2);
  list.Append("e");
  CHECK(list.Selected() == 2);
  list.Select(5);  // one past the end: refused
  CHECK(list.Selected() == 2);
  list.Select(-2);
  CHECK(list.Selected() == 2);
  list.Select(-1);
  CHECK(list.Selected() == -1);

  list.Select(2);
  list.Remove(0);  // above the selection: the same entry stays selected
  CHECK(list.Selected() == 1);
  CHECK(list.At(1) == "c");
  list.Remove(3);  // below it
  CHECK(list.Selected() == 1);
  list.Remove(1);  // the selected entry
  CHECK(list.Selected() == -1);
  list.Remove(7);  // outside: nothing, no error
  list.Remove(-1);
  CHECK(list.Count() == 2);

  Fill(list, {"a", "b", "c"});
  list.Select(1);
  list.Replace(1, "B");
  CHECK(list.Selected() == 1);
  CHECK(list.At(1) == "B");
  list.Replace(0, "A");
  CHECK(list.Selected() == 1);
  CHECK(list.At(0) == "A");
  CHECK(selectionNotices == 0);  // the program's own selections notify nobody

  list.Clear();
  CHECK(list.Count() == 0);
  CHECK(list.Selected() == -1);
}

void FindAndAt(PictureList& list) {
  Fill(list, {"C:\\Pics\\A.JPG", "C:\\表\\ソ.jpg", "c:\\pics\\a.jpg", ""});
  CHECK(list.Find("c:\\PICS\\a.jpg") == 0);
  CHECK(list.Find("C:\\表\\ソ.jpg") == 1);
  CHECK(list.Find("C:\\表") == -1);
  CHECK(list.At(1) == "C:\\表\\ソ.jpg");
  CHECK(list.At(3).empty());
  CHECK(ErrorOf([&] { list.At(4); }) == "リストのインデックスが範囲を超えています (4)");
  CHECK(ErrorOf([&] { list.At(-1); }) == "リストのインデックスが範囲を超えています (-1)");
}

std::string Folder() {
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  std::string folder = std::string(temp) + "リスト表";
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

std::string Contents(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "(missing)";
  std::string bytes(1 << 16, '\0');
  DWORD got = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
  CloseHandle(file);
  bytes.resize(got);
  return bytes;
}

int FilesIn(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE listing = FindFirstFileA((folder + "\\*").c_str(), &found);
  int count = 0;
  if (listing == INVALID_HANDLE_VALUE) return 0;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++count;
  } while (FindNextFileA(listing, &found));
  FindClose(listing);
  return count;
}

void ListFiles(PictureList& list) {
  std::string folder = Folder();
  std::string path = folder + "\\一覧表.pvl";
  DeleteFileA(path.c_str());

  list.Clear();
  SaveListToFile(list, path);
  CHECK(Contents(path).empty());

  std::string longEntry(9000, 'x');
  Fill(list, {"C:\\表\\ソ.jpg", "", "C:\\表\\ソ.jpg", longEntry});
  SaveListToFile(list, path);
  CHECK(Contents(path) == "C:\\表\\ソ.jpg\r\n\r\nC:\\表\\ソ.jpg\r\n" + longEntry + "\r\n");
  CHECK(FilesIn(folder) == 1);

  list.Clear();
  list.Append("old");
  LoadListFromFile(list, path);
  CHECK(list.Count() == 4);
  CHECK(list.At(0) == "C:\\表\\ソ.jpg");
  CHECK(list.At(3) == longEntry);  // long lines come back whole

  std::string missing = folder + "\\無い.pvl";
  CHECK(ErrorOf([&] { LoadListFromFile(list, missing); }) == "ファイル " + missing + " は開けません");
  CHECK(list.Count() == 4);

  std::string noFolder = folder + "\\無いフォルダ\\a.pvl";
  CHECK(ErrorOf([&] { SaveListToFile(list, noFolder); }) == "ファイル " + noFolder + " を作成できません");
  CHECK(ErrorOf([&] { SaveListToFile(list, ""); }) == "ファイル  を作成できません");

  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  std::string before = Contents(path);
  list.Clear();
  CHECK(ErrorOf([&] { SaveListToFile(list, path); }) == "ファイル " + path + " を作成できません");
  CHECK(Contents(path) == before);  // a write-protected list stays as it was
  CHECK(FilesIn(folder) == 1);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);

  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
  Fill(list, {"new"});
  SaveListToFile(list, path);
  CHECK(Contents(path) == "new\r\n");
  CHECK(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);  // the replaced file's attributes stay
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(path.c_str());
  RemoveDirectoryA(folder.c_str());
}

// A folder whose path is as long as Windows lets a folder be (248 bytes):
// too long for a temporary file name from the platform, but the list file
// still fits, so its save must succeed.
void ListFileInTheLongestFolder(PictureList& list) {
  std::string base = Folder();
  std::string folder = base + "\\" + std::string(248 - base.size() - 1, 'f');
  CHECK(folder.size() == 248);
  CHECK(CreateDirectoryA(folder.c_str(), nullptr));
  std::string path = folder + "\\a.pvl";
  Fill(list, {"C:\\表\\ソ.jpg"});
  CHECK(ErrorOf([&] { SaveListToFile(list, path); }) == "(no error)");
  CHECK(Contents(path) == "C:\\表\\ソ.jpg\r\n");
  Fill(list, {"b", "c"});
  CHECK(ErrorOf([&] { SaveListToFile(list, path); }) == "(no error)");
  CHECK(Contents(path) == "b\r\nc\r\n");
  CHECK(FilesIn(folder) == 1);
  DeleteFileA(path.c_str());
  RemoveDirectoryA(folder.c_str());
  RemoveDirectoryA(base.c_str());
}

// A key runs the first item that shows it. The only shortcut an earlier
// item takes is S3's Ctrl+Z, which is Z1's; any other would be a key that
// silently runs a command other than the one its menu item shows.
void CommandTableShortcuts() {
  std::vector<Shortcut> keys;
  std::vector<CommandId> items;
  for (const Command& command : CommandTable()) {
    if (command.kind != RowKind::Item) continue;
    keys.push_back(command.shortcut);
    items.push_back(command.id);
  }
  auto shadowed = ShadowedShortcuts(keys);
  CHECK(shadowed.size() == 1 && items[shadowed[0]] == CommandId::S3);
}

// A 2 x 2 PNG with alpha, the one image of an icon file.
std::string PngIcon() {
  const unsigned char png[] = {
      0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00, 0x00,
      0x02, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06, 0x00, 0x00, 0x00, 0x72, 0xB6, 0x0D, 0x24, 0x00, 0x00, 0x00, 0x12, 0x49,
      0x44, 0x41, 0x54, 0x78, 0xDA, 0x63, 0xF8, 0xCF, 0xC0, 0xF0, 0x1F, 0x08, 0x1B, 0x18, 0x60, 0x0C, 0x00, 0x40, 0x57,
      0x06, 0xFB, 0x56, 0x7C, 0xC5, 0xA6, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
  // The directory (reserved, type 1, one image) and its one entry: 2 x 2,
  // 32 bits, the PNG's size and its offset 22.
  std::string icon("\0\0\1\0\1\0\2\2\0\0\1\0\x20\0", 14);
  icon += std::string{static_cast<char>(sizeof png), 0, 0, 0, 22, 0, 0, 0};
  icon.append(reinterpret_cast<const char*>(png), sizeof png);
  return icon;
}

struct IconRead {
  std::string path;
  bool comUsedAndEnded;  // COM initialised and uninitialised on the thread first
  std::string error;
  int width = 0;
};

DWORD WINAPI ReadIcon(void* parameter) {
  auto& read = *static_cast<IconRead*>(parameter);
  if (read.comUsedAndEnded) {
    CoInitialize(nullptr);
    CoUninitialize();
  }
  Picture picture;
  read.error = ErrorOf([&] { picture.LoadFromFile(read.path); });
  read.width = picture.Width();
  return 0;
}

// Closing the window ends the program's COM before its last display reads
// the selected entry again: that read must not fail for want of COM.
void PngIconWithoutCom() {
  std::string path = Folder() + "\\png.ico";
  ReplaceWholeFile(path, PngIcon());
  for (bool comUsedAndEnded : {true, false}) {
    IconRead read{path, comUsedAndEnded, "", 0};
    HANDLE thread = CreateThread(nullptr, 0, &ReadIcon, &read, 0, nullptr);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    CHECK(read.error == "(no error)");
    CHECK(read.width == 2);
  }
  DeleteFileA(path.c_str());
}

// A drop laid out as the shell lays one out: the header, then the paths,
// each ended by a NUL and the whole by one more; wide or in the code page.
template <class Char>
OwnedDrop MakeDrop(const std::vector<std::basic_string<Char>>& paths) {
  std::basic_string<Char> text;
  for (const auto& path : paths) text += path + Char{};
  text += Char{};
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + text.size() * sizeof(Char));
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = sizeof(Char) == sizeof(wchar_t);
  std::memcpy(drop + 1, text.data(), text.size() * sizeof(Char));
  GlobalUnlock(memory);
  return OwnedDrop(static_cast<HDROP>(memory));
}

// A path the code page spells exactly is taken byte for byte (a 0x5C trail
// byte, as in 表, included); one it spells only by a guess is not taken.
void DroppedPaths() {
  using Paths = std::vector<std::optional<std::string>>;
  OwnedDrop wide =
      MakeDrop<wchar_t>({L"C:\\写真\\表示.jpg", L"C:\\caf\u00e9.jpg", L"C:\\a\u00a5b.jpg", L"C:\\\ud55c\uae00.jpg",
                         L"D:\\ｶﾅ.bmp", L"C:\\emoji\U0001F600.jpg", L"\\\\server\\share\\x.jpg"});
  CHECK((DroppedFiles(wide.Get()) == Paths{"C:\\写真\\表示.jpg", std::nullopt, std::nullopt, std::nullopt, "D:\\ｶﾅ.bmp",
                                           std::nullopt, "\\\\server\\share\\x.jpg"}));
  OwnedDrop ansi = MakeDrop<char>({"C:\\写真\\表示.jpg", "x.pvl"});
  CHECK((DroppedFiles(ansi.Get()) == Paths{"C:\\写真\\表示.jpg", "x.pvl"}));
}

// Files whose names the code page cannot spell are named by their short
// names, by a path and by the folder listing alike, and those names open
// the same files; a name it spells stays byte for byte.
void EntriesOfNamesTheCodePageCannotSpell() {
  std::string folder = Folder() + "\\名前";
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::vector<std::wstring> names = {L"caf\u00e9.jpg",       L"a\u00a5b.jpg", L"\ud55c\uae00.jpg",
                                           L"emoji\U0001F600.jpg", L"plain.jpg",    L"表示.jpg"};
  for (std::size_t i = 0; i < names.size(); ++i) {
    HANDLE file =
        CreateFileW((WideOf(folder) + L"\\" + names[i]).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, &i, sizeof i, &written, nullptr);
    CloseHandle(file);
  }
  auto contentOf = [&](const std::string& path) {
    std::string bytes = Contents(path);
    std::size_t index = names.size();
    if (bytes.size() == sizeof index) std::memcpy(&index, bytes.data(), sizeof index);
    return index;
  };
  for (std::size_t i = 0; i < names.size(); ++i) {
    auto entry = EntryPath(WideOf(folder) + L"\\" + names[i]);
    CHECK(entry && entry->find('?') == std::string::npos && contentOf(*entry) == i);
  }
  CHECK(EntryPath(WideOf(folder) + L"\\表示.jpg") == folder + "\\表示.jpg");
  CHECK(EntryPath(WideOf(folder) + L"\\plain.jpg") == folder + "\\plain.jpg");
  CHECK(!EntryPath(WideOf(folder) + L"\\no such caf\u00e9.jpg"));
  // A wildcard names no file, though the listing would match café.jpg.
  CHECK(!EntryPath(WideOf(folder) + L"\\?af\u00e9.jpg"));
  std::vector<std::size_t> listed;
  ForEachEntry(folder + "\\*.*",
               [&](const FolderEntry& found) { listed.push_back(contentOf(folder + "\\" + found.name)); });
  std::sort(listed.begin(), listed.end());
  CHECK((listed == std::vector<std::size_t>{0, 1, 2, 3, 4, 5}));
  for (const auto& name : names) DeleteFileW((WideOf(folder) + L"\\" + name).c_str());
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

int main() {
  PictureList list = MakeList();
  SelectionRules(list);
  FindAndAt(list);
  ListFiles(list);
  ListFileInTheLongestFolder(list);
  CommandTableShortcuts();
  PngIconWithoutCom();
  DroppedPaths();
  EntriesOfNamesTheCodePageCannotSpell();
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
