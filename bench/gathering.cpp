// Figures for the folder scan and for list files, against a real list box
// under Wine:
//   gathering TREE LISTFILE WALK_MS
// TREE is the generated folder tree, LISTFILE a scratch file, WALK_MS the
// bare walk's time of the same tree (bare_walk). Each figure is the best of
// 5 runs.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "list/gathering.h"
#include "list/list_codec.h"
#include "list/list_file.h"
#include "list/picture_list.h"

namespace {

double BestOf5(const std::function<void()>& prepare, const std::function<void()>& work) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  double best = 1e30;
  for (int run = 0; run < 5; ++run) {
    prepare();
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    best = std::min(best, 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart);
  }
  return best;
}

void Nothing() {}

// Entries like those of a real collection, some with Japanese names.
std::vector<std::string> MadeUpEntries(int count) {
  std::vector<std::string> entries;
  entries.reserve(count);
  for (int i = 0; i < count; ++i) {
    char entry[96];
    std::snprintf(entry, sizeof entry, i % 3 ? "C:\\写真\\%03d\\旅行_%05d.jpg" : "D:\\Pictures\\%03d\\IMG_%05d.JPG",
                  i / 100, i);
    entries.emplace_back(entry);
  }
  return entries;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::string ReadBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) return 2;
  std::string tree = argv[1], listPath = argv[2];
  double walkMs = std::stod(argv[3]);

  // A shown window with a list box as the program's, so every insertion
  // pays for the scroll bar and repainting as it does there.
  HWND window = CreateWindowExA(0, "STATIC", "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 600, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
  HWND box = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 0,
                             380, 560, window, nullptr, GetModuleHandleA(nullptr), nullptr);
  PictureList list;
  list.Attach(box);
  auto clear = [&] { list.Clear(); };
  auto show = [&] { RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); };

  // The folder scan against the bare walk plus the same insertions.
  ScanFolder(list, tree);  // warms the file system's caches
  std::vector<std::string> scanned = list.Entries();
  double scanMs = BestOf5(clear, [&] { ScanFolder(list, tree); });
  // The floor for the insertions: the control's own, with repainting held.
  double insertMs = BestOf5(clear, [&] {
    SendMessageA(box, WM_SETREDRAW, FALSE, 0);
    for (const auto& entry : scanned) SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    SendMessageA(box, WM_SETREDRAW, TRUE, 0);
  });
  std::printf("scan of the tree (%zu pictures)       %8.1f ms\n", scanned.size(), scanMs);
  std::printf("bare walk                            %8.1f ms\n", walkMs);
  std::printf("the same insertions, repainting held %8.1f ms\n", insertMs);
  std::printf("scan / (walk + insertions)           %8.2f (target <= 1.5)\n", scanMs / (walkMs + insertMs));

  // List files: loading and showing, and saving, against the bytes alone;
  // per 1,000 entries at three sizes, to show the cost grows linearly.
  std::printf("\n%8s %12s %12s %12s %12s %14s\n", "entries", "load+show", "read bytes", "save", "write bytes",
              "growing");
  for (int count : {25000, 50000, 100000}) {
    std::vector<std::string> entries = MadeUpEntries(count);
    std::string bytes = EncodeListFile(entries);
    WriteBytes(listPath, bytes);
    double loadMs = BestOf5(clear, [&] {
      LoadListFromFile(list, listPath);
      show();
    });
    double readMs = BestOf5(Nothing, [&] { ReadBytes(listPath); });
    double saveMs = BestOf5(Nothing, [&] { SaveListToFile(list, listPath); });
    double writeMs = BestOf5(Nothing, [&] { WriteBytes(listPath, bytes); });
    // As a scan appends: one by one, handling messages every 100 entries.
    double appendMs = BestOf5(clear, [&] {
      GrowingList growing(list);
      for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i % 100 == 0) growing.HandleMessages();
        list.Append(entries[i]);
      }
    });
    std::printf("%8d %9.1f ms %9.1f ms %9.1f ms %9.1f ms %11.1f ms\n", count, loadMs, readMs, saveMs, writeMs,
                appendMs);
    std::printf("%8s %9.2f    %9.2f    %9.2f    %9.2f    %11.2f    per 1,000 entries\n", "", loadMs * 1000 / count,
                readMs * 1000 / count, saveMs * 1000 / count, writeMs * 1000 / count, appendMs * 1000 / count);
  }
  DestroyWindow(window);
  return 0;
}
