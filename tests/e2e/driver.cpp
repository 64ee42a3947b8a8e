// Drives a running Tirvane.exe from outside, as a user would, and prints
// what the user sees. Run under the same Wine as the program:
//   tvdriver wait | caption | entries | selected | bounds | command ID
//          | keys ctrl+alt+l | dialog-accept PATH | dialog-enter FOLDER | dialog-cancel
//          | message-box | no-dialog MS | maximize | close | gone | lock PATH MS
//          | client | list-width | view | drag X1 Y1 X2 Y2 | click X Y [left|right|middle]
//          | folder-shown | folder-accept [PATH]
//          | run-exact COMMAND-LINE | desktop-value NAME | dialog-name
//          | link PATH
// Positions are in the main window's client coordinates.
// Texts are printed as the program holds them (Shift-JIS), one per line.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include "view/resource_ids.h"

namespace {

constexpr int kNameField = 1148;  // the file name box of the common dialogs
constexpr int kMessageText = 0xFFFF;

int Fail(const char* what) {
  std::fprintf(stderr, "tvdriver: %s\n", what);
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

template <class Probe>
auto WaitFor(Probe probe, int milliseconds) -> decltype(probe()) {
  for (int waited = 0;; waited += 20) {
    if (auto found = probe()) return found;
    if (waited >= milliseconds) return {};
    Sleep(20);
  }
}

HWND MainWindow() {
  HWND window = FindWindowA("TForm1", nullptr);
  return window && IsWindowVisible(window) ? window : nullptr;
}

// Waits for a dialog or box to close and then for the program to finish
// what it does with the answer: a message sent to its window is taken only
// once its thread is back in a message loop.
int WaitGone(HWND window) {
  if (!WaitFor([window] { return !IsWindow(window); }, 10000)) return Fail("window stays open");
  if (HWND main = MainWindow()) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &result);
  }
  return 0;
}

int WaitMainGone() {
  return WaitFor([] { return FindWindowA("TForm1", nullptr) == nullptr; }, 20000) ? 0 : Fail("still running");
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
      [](HWND window, LPARAM data) -> BOOL {
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
  SetForegroundWindow(main);
  SetFocus(main);
  // Keys go to the foreground window; a window just shown may not be yet.
  if (!WaitFor([main] { return GetForegroundWindow() == main; }, 5000)) return Fail("the window is not in front");
  std::vector<INPUT> inputs;
  for (WORD key : keys) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    inputs.push_back(input);
  }
  for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = *it;
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  return 0;
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

void MouseTo(HWND main, int x, int y) {
  POINT at{x, y};
  ClientToScreen(main, &at);
  SetCursorPos(at.x, at.y);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
  Sleep(30);
}

void MouseButton(DWORD flag) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flag;
  SendInput(1, &input, sizeof input);
  Sleep(30);
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
    if (item == LB_ERR || item <= at) return Fail(("no folder " + Narrow(name) + " in the chooser").c_str());
    SendMessageW(tree, LB_SETCURSEL, item, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kFolderTree, LBN_DBLCLK), reinterpret_cast<LPARAM>(tree));
    start = end + 1;
  }
  return 0;
}

int Run(const std::vector<std::wstring>& args) {
  if (args.empty()) return Fail("no command");
  const std::wstring& verb = args[0];
  auto arg = [&](std::size_t i) { return i < args.size() ? args[i] : std::wstring(); };

  if (verb == L"lock") {
    HANDLE file = CreateFileW(arg(1).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Fail("cannot lock");
    Print("locked");
    std::fflush(stdout);
    Sleep(std::stoi(arg(2)));
    CloseHandle(file);
    return 0;
  }
  if (verb == L"run-exact") {
    // Starts a program with exactly this command line and waits for its end.
    std::wstring line = arg(1);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
      return Fail("cannot start");
    }
    WaitForSingleObject(process.hProcess, 60000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
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
    HWND box = WaitFor(OwnedDialog, 10000);
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
  if (verb == L"wait") return WaitFor(MainWindow, 60000) ? 0 : Fail("no main window");
  if (verb == L"gone") return WaitMainGone();

  HWND main = WaitFor(MainWindow, 60000);
  if (!main) return Fail("no main window");

  if (verb == L"caption") {
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
    SetForegroundWindow(main);
    int x1 = std::stoi(arg(1)), y1 = std::stoi(arg(2)), x2 = std::stoi(arg(3)), y2 = std::stoi(arg(4));
    MouseTo(main, x1, y1);
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    for (int step = 1; step <= 4; ++step) MouseTo(main, x1 + (x2 - x1) * step / 4, y1 + (y2 - y1) * step / 4);
    MouseButton(MOUSEEVENTF_LEFTUP);
  } else if (verb == L"click") {
    SetForegroundWindow(main);
    MouseTo(main, std::stoi(arg(1)), std::stoi(arg(2)));
    DWORD down = arg(3) == L"right" ? MOUSEEVENTF_RIGHTDOWN : arg(3) == L"middle" ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_LEFTDOWN;
    MouseButton(down);
    MouseButton(down << 1);  // each button's up flag follows its down flag
  } else if (verb == L"maximize") {
    ShowWindow(main, SW_MAXIMIZE);
    return WaitFor([main] { return IsZoomed(main) != FALSE; }, 5000) ? 0 : Fail("not maximized");
  } else if (verb == L"command") {
    PostMessageW(main, WM_COMMAND, std::stoi(arg(1)), 0);
  } else if (verb == L"keys") {
    return SendKeys(main, arg(1));
  } else if (verb == L"dialog-accept" || verb == L"dialog-enter" || verb == L"dialog-cancel" ||
             verb == L"dialog-name") {
    HWND dialog = WaitFor(OwnedDialog, 10000);
    if (!dialog) return Fail("no dialog");
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
    HWND dialog = WaitFor(OwnedDialog, 10000);
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
    PostMessageW(main, WM_CLOSE, 0, 0);
    return WaitMainGone();
  } else {
    return Fail("unknown command");
  }
  return 0;
}

}  // namespace

int main() {
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> args(argv + 1, argv + count);
  LocalFree(argv);
  int status = Run(args);
  std::fflush(stdout);
  return status;
}
