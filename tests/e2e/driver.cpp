// Drives a running Tirvane.exe from outside, as a user would, and prints
// what the user sees. Run under the same Wine as the program:
//   tvdriver wait | caption | entries | selected | focus | bounds | command ID
//          | keys ctrl+alt+l | dialog-accept PATH | dialog-enter FOLDER | dialog-cancel
//          | message-box | no-dialog MS | maximize | close | gone | lock PATH UNTIL
//          | client | list-width | view | drag X1 Y1 X2 Y2 | click X Y [left|right|middle]
//          | press X1 Y1 X2 Y2 | release X Y
//          | folder-shown | folder-accept [PATH]
//          | run-exact COMMAND-LINE | desktop-value NAME | dialog-name
//          | link PATH | windows | hold PATH | menu | dialog-filter | away-and-back
//          | drop PATH... [-- PATH...]... (@FILE: the paths of FILE, one per
//            line in UTF-8; "--" begins the next drop, posted at once after)
// Positions are in the main window's client coordinates.
// Texts are printed as the program holds them (Shift-JIS), one per line.
//
// A verb that makes the program act (keys, clicks, commands, dialog answers,
// close) returns only once the program has acted: it has taken the input
// and is back in a message loop, its own or that of the dialog or box it
// opened. When that does not happen in bounded time the verb fails and says
// what it waited for. A scan or other work that handles messages while it
// runs may still be going on then: the scenario waits for its effect.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cwchar>
#include <initializer_list>
#include <string>
#include <vector>

#include "view/resource_ids.h"

namespace {

constexpr int kNameField = 1148;  // the file name box of the common dialogs
constexpr int kTypeField = 1136;  // and their file type list
constexpr int kMessageText = 0xFFFF;
// Long enough for a loaded machine, short enough to fail within a test's time.
constexpr int kActingTime = 30000;

std::string verbLine;  // the verb and its arguments, named in every failure

int Fail(const std::string& what) {
  std::fprintf(stderr, "tvdriver %s: %s\n", verbLine.c_str(), what.c_str());
  return 1;
}

void Print(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
}

std::string Narrow(const std::wstring& text) {
  int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string result(size, '\0');
  WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), result.data(), size, nullptr, nullptr);
  return result;
}

// Polls probe until it yields something or the time is up.
template <class Probe>
auto WaitFor(Probe probe, int milliseconds) -> decltype(probe()) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
  for (;;) {
    if (auto found = probe()) return found;
    if (GetTickCount64() >= deadline) return {};
    Sleep(10);
  }
}

HWND MainWindow() {
  HWND window = FindWindowA("TForm1", nullptr);
  return window && IsWindowVisible(window) ? window : nullptr;
}

// Returns once the thread of window is back in a message loop: a sent
// message is taken only there, after whatever the thread was doing.
bool Settled(HWND window, int milliseconds = kActingTime) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(milliseconds), &result) != 0 ||
         !IsWindow(window);
}

int SettleMain(HWND main, const char* after) {
  return Settled(main) ? 0 : Fail(std::string("the program did not come back to its messages after ") + after);
}

// Waits for a process to end.
bool Ended(DWORD processId, int milliseconds) {
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
  if (!process) return true;  // already gone
  bool ended = WaitForSingleObject(process, static_cast<DWORD>(milliseconds)) == WAIT_OBJECT_0;
  CloseHandle(process);
  return ended;
}

// Waits for a dialog or box to close and then for the program to finish
// what it does with the answer.
int WaitGone(HWND window) {
  if (!WaitFor([window] { return !IsWindow(window); }, kActingTime)) return Fail("the dialog stays open");
  if (HWND main = FindWindowA("TForm1", nullptr)) return SettleMain(main, "the dialog closed");
  return 0;
}

// Waits for the main window to go and every Tirvane.exe to end.
int WaitMainGone() {
  if (!WaitFor([] { return FindWindowA("TForm1", nullptr) == nullptr; }, kActingTime)) {
    return Fail("the window stays");
  }
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return Fail("cannot list the processes");
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  std::vector<DWORD> programs;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    if (lstrcmpiW(entry.szExeFile, L"Tirvane.exe") == 0) programs.push_back(entry.th32ProcessID);
  }
  CloseHandle(snapshot);
  for (DWORD program : programs) {
    if (!Ended(program, kActingTime)) return Fail("the program is still running");
  }
  return 0;
}

HWND ListBox(HWND main) { return FindWindowExA(main, nullptr, "LISTBOX", nullptr); }

std::wstring TextOf(HWND window) {
  LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

// A visible dialog (file dialog or message box) owned by the main window,
// or one without an owner that the program shows before its window.
HWND OwnedDialog() {
  struct Search {
    HWND owner;
    HWND found;
  } search{FindWindowA("TForm1", nullptr), nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) CALLBACK -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        char name[16];
        GetClassNameA(window, name, sizeof name);
        HWND owner = GetWindow(window, GW_OWNER);
        DWORD process = 0, programProcess = 0;
        GetWindowThreadProcessId(window, &process);
        GetWindowThreadProcessId(s->owner, &programProcess);
        bool ours = s->owner && (owner == s->owner || (!owner && process == programProcess));
        if (IsWindowVisible(window) && std::string(name) == "#32770" && ours) {
          s->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Input goes through the system's queue, and the program takes it from
// there at its own pace. The driver marks the last event of what it sends,
// and a hook that the system loads into the program's thread for as long as
// the driver waits tells it when the program has taken that event.
class TakenWitness {
 public:
  explicit TakenWitness(DWORD programThread) {
    mark_ = 0x74760000u | (GetCurrentProcessId() & 0xFFFFu);
    wchar_t name[64];
    swprintf(name, 64, L"tvdriver-taken-%x", static_cast<unsigned>(mark_));
    taken_ = CreateEventW(nullptr, TRUE, FALSE, name);
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    folder.resize(folder.find_last_of(L'\\') + 1);
    module_ = LoadLibraryW((folder + L"tvhook.dll").c_str());
    FARPROC entry = module_ ? GetProcAddress(module_, "TakenHook") : nullptr;
    auto hook = reinterpret_cast<HOOKPROC>(reinterpret_cast<void (*)()>(entry));
    if (hook && taken_) hook_ = SetWindowsHookExW(WH_GETMESSAGE, hook, module_, programThread);
  }
  ~TakenWitness() {
    if (hook_) UnhookWindowsHookEx(hook_);
    if (module_) FreeLibrary(module_);
    if (taken_) CloseHandle(taken_);
  }
  TakenWitness(const TakenWitness&) = delete;
  TakenWitness& operator=(const TakenWitness&) = delete;

  bool Ready() const { return hook_ != nullptr; }

  // The program's menu bar as the hook reads it inside the program's thread.
  bool ReadMenu(HWND main, std::wstring& text) {
    constexpr DWORD kChars = 32768;
    wchar_t name[64];
    swprintf(name, 64, L"tvdriver-menu-%x", static_cast<unsigned>(mark_));
    HANDLE shared = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kChars * sizeof(wchar_t), name);
    swprintf(name, 64, L"tvdriver-menu-read-%x", static_cast<unsigned>(mark_));
    HANDLE read = CreateEventW(nullptr, TRUE, FALSE, name);
    auto* view = shared ? static_cast<const wchar_t*>(MapViewOfFile(shared, FILE_MAP_READ, 0, 0, 0)) : nullptr;
    bool answered = view && read &&
                    PostMessageW(main, RegisterWindowMessageW(L"tvdriver-read-menu"), mark_, 0) &&
                    WaitForSingleObject(read, kActingTime) == WAIT_OBJECT_0;
    if (answered) text.assign(view, wcsnlen(view, kChars));
    if (view) UnmapViewOfFile(view);
    if (read) CloseHandle(read);
    if (shared) CloseHandle(shared);
    return answered;
  }

  // Drops each list of paths (each path ended by a NUL, the list by one
  // more) onto the window as the shell does, one drop after the other: the
  // hook makes each drop in the program's memory and hands it over as
  // WM_DROPFILES. The hook holds the first until all are posted, so a drop
  // that handles messages while it works takes the next one there.
  // True once the program has taken the last.
  bool Drop(HWND main, const std::vector<std::wstring>& drops) {
    wchar_t allPosted[64];
    swprintf(allPosted, 64, L"tvdriver-drops-posted-%x", static_cast<unsigned>(mark_));
    std::vector<HANDLE> handles{CreateEventW(nullptr, TRUE, FALSE, allPosted)};
    HANDLE last = nullptr;
    bool posted = handles[0] != nullptr;
    for (std::size_t i = 0; i < drops.size() && posted; ++i) {
      wchar_t name[64];
      swprintf(name, 64, L"tvdriver-drop-%x-%x", static_cast<unsigned>(mark_), static_cast<unsigned>(i));
      DWORD bytes = static_cast<DWORD>(drops[i].size() * sizeof(wchar_t));
      HANDLE shared = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, bytes, name);
      swprintf(name, 64, L"tvdriver-dropped-%x-%x", static_cast<unsigned>(mark_), static_cast<unsigned>(i));
      last = CreateEventW(nullptr, TRUE, FALSE, name);
      handles.push_back(shared);
      handles.push_back(last);
      auto* view = shared ? static_cast<wchar_t*>(MapViewOfFile(shared, FILE_MAP_WRITE, 0, 0, bytes)) : nullptr;
      if (view) {
        wmemcpy(view, drops[i].data(), drops[i].size());
        UnmapViewOfFile(view);
      }
      posted =
          view && last && PostMessageW(main, RegisterWindowMessageW(L"tvdriver-drop"), mark_, static_cast<LPARAM>(i));
    }
    if (posted) SetEvent(handles[0]);
    bool taken = posted && WaitForSingleObject(last, kActingTime) == WAIT_OBJECT_0;
    for (HANDLE handle : handles) {
      if (handle) CloseHandle(handle);
    }
    return taken;
  }

  // Sends the events, the last one marked, and waits until the program has
  // taken it, or has ended: a program that quits takes nothing more. The
  // last event is a key or a button: pointer moves are merged on the way
  // and their marks lost.
  bool SendAndWaitTaken(std::vector<INPUT> events, HWND main) {
    INPUT& last = events.back();
    if (last.type == INPUT_KEYBOARD) last.ki.dwExtraInfo = mark_;
    else last.mi.dwExtraInfo = mark_;
    ResetEvent(taken_);
    SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
    return WaitFor([&] { return WaitForSingleObject(taken_, 0) == WAIT_OBJECT_0 || !IsWindow(main); }, kActingTime);
  }

 private:
  ULONG_PTR mark_;
  HANDLE taken_ = nullptr;
  HMODULE module_ = nullptr;
  HHOOK hook_ = nullptr;
};

WORD KeyCode(const std::wstring& name) {
  if (name.size() == 1) return static_cast<WORD>(towupper(name[0]));
  if (name == L"del") return VK_DELETE;
  if (name == L"up") return VK_UP;
  if (name == L"down") return VK_DOWN;
  if (name == L"esc") return VK_ESCAPE;
  if (name == L"enter") return VK_RETURN;
  if (name == L"home") return VK_HOME;
  if (name == L"end") return VK_END;
  return 0;
}

INPUT KeyEvent(WORD key, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = flags;
  return input;
}

// Keys go to the window in front, as a user's typing does.
bool BringToFront(HWND main) {
  SetForegroundWindow(main);
  return WaitFor([main] { return GetForegroundWindow() == main; }, kActingTime);
}

int SendKeys(HWND main, const std::wstring& combination) {
  std::vector<WORD> keys;
  std::size_t start = 0;
  while (start <= combination.size()) {
    std::size_t plus = combination.find(L'+', start);
    std::wstring part = combination.substr(start, plus == std::wstring::npos ? std::wstring::npos : plus - start);
    WORD key = part == L"ctrl" ? VK_CONTROL : part == L"alt" ? VK_MENU : part == L"shift" ? VK_SHIFT : KeyCode(part);
    if (!key) return Fail("unknown key");
    keys.push_back(key);
    if (plus == std::wstring::npos) break;
    start = plus + 1;
  }
  if (!BringToFront(main)) return Fail("the window does not come to the front");
  TakenWitness witness(GetWindowThreadProcessId(main, nullptr));
  if (!witness.Ready()) return Fail("cannot follow the program's input");
  std::vector<INPUT> events;
  for (WORD key : keys) events.push_back(KeyEvent(key, 0));
  for (auto it = keys.rbegin(); it != keys.rend(); ++it) events.push_back(KeyEvent(*it, KEYEVENTF_KEYUP));
  if (!witness.SendAndWaitTaken(events, main)) return Fail("the program did not take the keys");
  return SettleMain(main, "the keys");
}

std::string Numbers(std::initializer_list<long> values) {
  std::string text;
  for (long value : values) {
    if (!text.empty()) text += ' ';
    text += std::to_string(value);
  }
  return text;
}

// Bounds of a child in its parent's client coordinates.
RECT ChildBounds(HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// A pointer event at a client point; flags add a button's press or release.
// A button event carries its own position: the pointer that X reports back
// for earlier moves may still be on its way and would otherwise place it.
INPUT MouseAt(HWND main, POINT point, DWORD flags) {
  ClientToScreen(main, &point);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = point.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = point.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
  return input;
}

// Presses a button at one point and releases it at another, moving in
// steps. The moves wait until the program has taken the press, so that a
// control that captures the mouse on the press has done so.
int PressAndRelease(HWND main, DWORD down, POINT from, POINT to, int steps) {
  TakenWitness witness(GetWindowThreadProcessId(main, nullptr));
  if (!witness.Ready()) return Fail("cannot follow the program's input");
  if (!witness.SendAndWaitTaken({MouseAt(main, from, down)}, main)) {
    return Fail("the program did not take the button press");
  }
  if (int failed = SettleMain(main, "the press")) return failed;
  std::vector<INPUT> events;
  for (int step = 1; step < steps; ++step) {
    events.push_back(MouseAt(main, {from.x + (to.x - from.x) * step / steps, from.y + (to.y - from.y) * step / steps}, 0));
  }
  events.push_back(MouseAt(main, to, down << 1));  // each button's up flag follows its down flag
  if (!witness.SendAndWaitTaken(events, main)) return Fail("the program did not take the button release");
  return SettleMain(main, "the release");
}

// Walks the folder chooser to path as a user would: the drive from the drive
// list, then a double click on each folder on the way down.
int WalkFolderChooser(HWND dialog, const std::wstring& path) {
  HWND drives = GetDlgItem(dialog, kFolderDrives);
  HWND tree = GetDlgItem(dialog, kFolderTree);
  LRESULT drive = SendMessageW(drives, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(path.substr(0, 2).c_str()));
  if (drive == CB_ERR) return Fail("no such drive");
  SendMessageW(drives, CB_SETCURSEL, drive, 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kFolderDrives, CBN_SELCHANGE), reinterpret_cast<LPARAM>(drives));
  std::size_t start = 3;
  while (start < path.size()) {
    std::size_t end = path.find(L'\\', start);
    if (end == std::wstring::npos) end = path.size();
    std::wstring name = path.substr(start, end - start);
    LRESULT at = SendMessageW(tree, LB_GETCURSEL, 0, 0);
    LRESULT item = SendMessageW(tree, LB_FINDSTRINGEXACT, at, reinterpret_cast<LPARAM>(name.c_str()));
    if (item == LB_ERR || item <= at) return Fail("no folder " + Narrow(name) + " in the chooser");
    SendMessageW(tree, LB_SETCURSEL, item, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kFolderTree, LBN_DBLCLK), reinterpret_cast<LPARAM>(tree));
    start = end + 1;
  }
  return 0;
}

// Runs a menu command as the menu does. A command that opens a dialog or
// box is done acting once that is shown; any other once it has returned.
int RunCommand(HWND main, WORD id) {
  bool done = false;
  auto returned = [](HWND, UINT, ULONG_PTR data, LRESULT) CALLBACK { *reinterpret_cast<bool*>(data) = true; };
  if (!SendMessageCallbackW(main, WM_COMMAND, id, 0, returned, reinterpret_cast<ULONG_PTR>(&done))) {
    return Fail("cannot send the command");
  }
  bool acted = WaitFor(
      [&] {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);  // delivers the callback
        return done || OwnedDialog() != nullptr || !IsWindow(main);
      },
      kActingTime);
  if (!acted) return Fail("the command neither returned nor opened a dialog");
  return SettleMain(main, "the command");
}

// The lines of a UTF-8 file, without their line ends; none when it cannot
// be read.
std::vector<std::wstring> LinesOf(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  bytes.resize(read);
  std::wstring text(bytes.size(), L'\0');
  text.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()),
                                                           text.data(), static_cast<int>(text.size()))));
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    std::wstring line = text.substr(start, end - start);
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

int Run(const std::vector<std::wstring>& args) {
  if (args.empty()) return Fail("no command");
  const std::wstring& verb = args[0];
  auto arg = [&](std::size_t i) { return i < args.size() ? args[i] : std::wstring(); };

  if (verb == L"lock") {
    // Holds the file open without sharing until the file UNTIL exists.
    HANDLE file = CreateFileW(arg(1).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Fail("cannot lock");
    Print("locked");
    std::fflush(stdout);
    std::wstring until = arg(2);
    bool released = WaitFor([&] { return GetFileAttributesW(until.c_str()) != INVALID_FILE_ATTRIBUTES; }, 120000);
    CloseHandle(file);
    return released ? 0 : Fail("never told to let go");
  }
  if (verb == L"run-exact") {
    // Starts a program with exactly this command line and waits for its end.
    // A loaded machine's Wine now and then fails a start before the program
    // runs at all (as it does the driver's own, see lib.sh): such a start did
    // nothing, and is tried once more.
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    bool started = false;
    for (int attempt = 1; attempt <= 2 && !started; ++attempt) {
      std::wstring line = arg(1);
      started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
      if (!started) {
        std::fprintf(stderr, "tvdriver run-exact: start %d failed with error %lu\n", attempt, GetLastError());
      }
    }
    if (!started) return Fail("cannot start");
    bool ended = WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ended ? 0 : Fail("the program did not end");
  }
  if (verb == L"desktop-value") {
    // The value's stored size in bytes (a terminating NUL included), then its text.
    HKEY desktop;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, KEY_READ, &desktop) != ERROR_SUCCESS) {
      return Fail("no Desktop key");
    }
    char data[1024] = {};
    DWORD size = sizeof data - 1, type = 0;
    std::string name = Narrow(arg(1));
    LONG status = RegQueryValueExA(desktop, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(desktop);
    if (status != ERROR_SUCCESS) return Print("none"), 0;
    Print(std::string(type == REG_SZ ? "REG_SZ " : "other ") + std::to_string(size) + " " + data);
    return 0;
  }
  if (verb == L"message-box") {
    HWND box = WaitFor(OwnedDialog, kActingTime);
    if (!box) return Fail("no message box");
    Print(Narrow(TextOf(box)));
    Print(Narrow(TextOf(GetDlgItem(box, kMessageText))));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return WaitGone(box);
  }
  if (verb == L"link") {
    // A shell link's target and its arguments, one per line.
    CoInitialize(nullptr);
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    wchar_t target[MAX_PATH] = L"", arguments[1024] = L"";
    bool read = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                           reinterpret_cast<void**>(&link))) &&
                SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
                SUCCEEDED(file->Load(arg(1).c_str(), STGM_READ)) &&
                SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, 0)) &&
                SUCCEEDED(link->GetArguments(arguments, 1024));
    if (file) file->Release();
    if (link) link->Release();
    if (!read) return Fail("cannot read the link");
    Print(Narrow(target));
    Print(Narrow(arguments));
    return 0;
  }
  if (verb == L"gone") return WaitMainGone();
  if (verb == L"hold") {
    // Stays on the desktop while the file PATH exists (three hours at most),
    // so that Wine keeps its desktop and services between programs.
    GetDesktopWindow();
    Print("holding");
    std::fflush(stdout);
    std::wstring path = arg(1);
    for (int second = 0; second < 3 * 3600 && GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; ++second) {
      Sleep(1000);
    }
    return 0;
  }
  if (verb == L"windows") {
    // For a failure's report: every top-level window with its process,
    // visibility, class and caption, and every process.
    EnumWindows(
        [](HWND window, LPARAM) CALLBACK -> BOOL {
          char name[64];
          GetClassNameA(window, name, sizeof name);
          DWORD process = 0;
          GetWindowThreadProcessId(window, &process);
          wchar_t caption[256] = L"";
          GetWindowTextW(window, caption, 256);  // another process's caption without a message: it may hang
          Print("window " + std::to_string(process) + (IsWindowVisible(window) ? " shown " : " hidden ") + name + " " +
                Narrow(caption));
          return TRUE;
        },
        0);
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
      Print("process " + std::to_string(entry.th32ProcessID) + " " + Narrow(entry.szExeFile));
    }
    CloseHandle(snapshot);
    return 0;
  }

  HWND main = WaitFor(MainWindow, 60000);
  if (!main) return Fail("no main window");

  if (verb == L"wait") {
    // Shown, and through what it does on being shown (the first picture).
    return SettleMain(main, "being shown");
  } else if (verb == L"caption") {
    Print(Narrow(TextOf(main)));
  } else if (verb == L"entries") {
    HWND list = ListBox(main);
    LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
      text.resize(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
      Print(Narrow(text));
    }
  } else if (verb == L"selected") {
    Print(std::to_string(SendMessageW(ListBox(main), LB_GETCURSEL, 0, 0)));
  } else if (verb == L"focus") {
    // The class of the program's window that has the keyboard, or "none".
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    char name[64] = "none";
    if (GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info) && info.hwndFocus) {
      GetClassNameA(info.hwndFocus, name, sizeof name);
    }
    Print(name);
  } else if (verb == L"bounds") {
    RECT r;
    GetWindowRect(main, &r);
    Print(std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + " " +
          std::to_string(r.bottom - r.top));
  } else if (verb == L"client") {
    RECT r;
    GetClientRect(main, &r);
    POINT origin{0, 0};
    ClientToScreen(main, &origin);
    Print(Numbers({origin.x, origin.y, r.right, r.bottom}));
  } else if (verb == L"list-width") {
    RECT r = ChildBounds(ListBox(main));
    Print(std::to_string(r.right - r.left));
  } else if (verb == L"view") {
    HWND view = FindWindowExA(main, nullptr, "TImage", nullptr);
    if (!view) return Fail("no picture view");
    RECT r = ChildBounds(view);
    Print((IsWindowVisible(view) ? "shown " : "hidden ") + Numbers({r.left, r.top, r.right - r.left, r.bottom - r.top}));
  } else if (verb == L"drag") {
    if (!BringToFront(main)) return Fail("the window does not come to the front");
    POINT from{std::stoi(arg(1)), std::stoi(arg(2))}, to{std::stoi(arg(3)), std::stoi(arg(4))};
    return PressAndRelease(main, MOUSEEVENTF_LEFTDOWN, from, to, 4);
  } else if (verb == L"press" || verb == L"release") {
    // A drag in two verbs, to see the program in the middle of it: the left
    // button pressed at one point and moved to another, then released.
    if (!BringToFront(main)) return Fail("the window does not come to the front");
    POINT from{std::stoi(arg(1)), std::stoi(arg(2))};
    TakenWitness witness(GetWindowThreadProcessId(main, nullptr));
    if (!witness.Ready()) return Fail("cannot follow the program's input");
    DWORD button = verb == L"press" ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    if (!witness.SendAndWaitTaken({MouseAt(main, from, button)}, main)) return Fail("the program did not take the button");
    if (int failed = SettleMain(main, "the button")) return failed;
    if (verb == L"release") return 0;
    POINT to{std::stoi(arg(3)), std::stoi(arg(4))};
    std::vector<INPUT> moves;
    for (int step = 1; step <= 4; ++step) {
      moves.push_back(MouseAt(main, {from.x + (to.x - from.x) * step / 4, from.y + (to.y - from.y) * step / 4}, 0));
    }
    SendInput(static_cast<UINT>(moves.size()), moves.data(), sizeof(INPUT));
    return SettleMain(main, "the moves");
  } else if (verb == L"click") {
    if (!BringToFront(main)) return Fail("the window does not come to the front");
    POINT at{std::stoi(arg(1)), std::stoi(arg(2))};
    if (arg(3) == L"right") return PressAndRelease(main, MOUSEEVENTF_RIGHTDOWN, at, at, 0);
    if (arg(3) == L"middle") return PressAndRelease(main, MOUSEEVENTF_MIDDLEDOWN, at, at, 0);
    return PressAndRelease(main, MOUSEEVENTF_LEFTDOWN, at, at, 0);
  } else if (verb == L"away-and-back") {
    // Another program's window comes to the front, then the program's again,
    // as when the user switches to another program and back.
    HWND other = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"elsewhere", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                 nullptr, nullptr, nullptr);
    if (!other) return Fail("cannot make another window");
    SetForegroundWindow(other);
    bool away = WaitFor(
        [other] {
          MSG message;
          while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
          return GetForegroundWindow() == other;
        },
        kActingTime);
    if (!away || !Settled(main)) return DestroyWindow(other), Fail("the other window does not come to the front");
    DestroyWindow(other);
    if (!BringToFront(main)) return Fail("the window does not come back to the front");
    return SettleMain(main, "coming back");
  } else if (verb == L"maximize") {
    ShowWindow(main, SW_MAXIMIZE);
    if (!WaitFor([main] { return IsZoomed(main) != FALSE; }, kActingTime)) return Fail("not maximized");
    return SettleMain(main, "maximizing");
  } else if (verb == L"menu") {
    TakenWitness witness(GetWindowThreadProcessId(main, nullptr));
    std::wstring menu;
    if (!witness.Ready() || !witness.ReadMenu(main, menu)) return Fail("cannot read the menu");
    std::fputs(Narrow(menu).c_str(), stdout);
  } else if (verb == L"drop") {
    std::vector<std::wstring> drops(1);
    for (std::size_t i = 1; i < args.size(); ++i) {
      if (args[i] == L"--") {
        drops.emplace_back();
        continue;
      }
      std::vector<std::wstring> named = args[i].starts_with(L"@") ? LinesOf(args[i].substr(1)) : std::vector{args[i]};
      if (named.empty()) return Fail("nothing to drop in " + Narrow(args[i]));
      for (const std::wstring& path : named) drops.back() += path + L'\0';
    }
    for (std::wstring& paths : drops) {
      if (paths.empty()) return Fail("nothing to drop");
      paths += L'\0';
    }
    TakenWitness witness(GetWindowThreadProcessId(main, nullptr));
    if (!witness.Ready() || !witness.Drop(main, drops)) return Fail("the program did not take the drop");
    return SettleMain(main, "the drop");
  } else if (verb == L"command") {
    return RunCommand(main, static_cast<WORD>(std::stoi(arg(1))));
  } else if (verb == L"keys") {
    return SendKeys(main, arg(1));
  } else if (verb == L"dialog-accept" || verb == L"dialog-enter" || verb == L"dialog-cancel" ||
             verb == L"dialog-name" || verb == L"dialog-filter") {
    HWND dialog = WaitFor(OwnedDialog, kActingTime);
    if (!dialog) return Fail("no dialog");
    if (verb == L"dialog-filter") {
      // The file type chosen, as the list shows it.
      HWND types = GetDlgItem(dialog, kTypeField);
      LRESULT chosen = types ? SendMessageW(types, CB_GETCURSEL, 0, 0) : CB_ERR;
      if (chosen == CB_ERR) return Fail("no file type chosen");
      std::wstring text(static_cast<std::size_t>(SendMessageW(types, CB_GETLBTEXTLEN, chosen, 0)) + 1, L'\0');
      text.resize(static_cast<std::size_t>(SendMessageW(types, CB_GETLBTEXT, chosen, reinterpret_cast<LPARAM>(text.data()))));
      return Print(Narrow(text)), 0;
    }
    if (verb == L"dialog-cancel") {
      PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      return WaitGone(dialog);
    }
    HWND name = GetDlgItem(dialog, kNameField);
    if (!name) return Fail("dialog has no name field");
    if (verb == L"dialog-name") return Print(Narrow(TextOf(name))), 0;
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(arg(1).c_str()));
    // A folder typed into the name box opens it; the dialog stays.
    if (verb == L"dialog-enter") return SendMessageW(dialog, WM_COMMAND, IDOK, 0), 0;
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    return WaitGone(dialog);
  } else if (verb == L"folder-shown" || verb == L"folder-accept") {
    HWND dialog = WaitFor(OwnedDialog, kActingTime);
    if (!dialog) return Fail("no dialog");
    if (verb == L"folder-shown") {
      Print(Narrow(TextOf(dialog)));
      Print(Narrow(TextOf(GetDlgItem(dialog, kFolderPath))));
      return 0;
    }
    if (!arg(1).empty() && WalkFolderChooser(dialog, arg(1)) != 0) return 1;
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    return WaitGone(dialog);
  } else if (verb == L"no-dialog") {
    return WaitFor(OwnedDialog, std::stoi(arg(1))) ? Fail("a dialog is open") : 0;
  } else if (verb == L"close") {
    // Done when the program has ended: it saves and cleans up on the way.
    DWORD processId = 0;
    GetWindowThreadProcessId(main, &processId);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    if (!process) return Fail("cannot follow the program");
    PostMessageW(main, WM_CLOSE, 0, 0);
    bool ended = WaitForSingleObject(process, 60000) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended ? 0 : Fail("the program did not end");
  } else {
    return Fail("unknown command");
  }
  return 0;
}

}  // namespace

int main() {
  // Tells the caller that the driver did start, before it does anything.
  wchar_t started[MAX_PATH];
  if (GetEnvironmentVariableW(L"TVDRIVER_STARTED", started, MAX_PATH) - 1u < MAX_PATH - 1u) {
    CloseHandle(CreateFileW(started, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  }
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> args(argv + 1, argv + count);
  LocalFree(argv);
  for (const std::wstring& arg : args) verbLine += (verbLine.empty() ? "" : " ") + Narrow(arg);
  int status = Run(args);
  std::fflush(stdout);
  return status;
}
