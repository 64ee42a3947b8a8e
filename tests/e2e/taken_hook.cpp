// Loaded by the system into the program under test while the driver waits
// for the program to take an input event (a WH_GETMESSAGE hook on its
// thread). The driver marks that event's extra information with a value
// and names an event after it; when the program's thread takes a message
// so marked, the hook signals that event. The program itself is unchanged.
// The same hook reads the program's menu bar on the driver's request, from
// inside the program's thread: the platform lets no other process read a
// menu; and it turns the driver's drop into the shell's WM_DROPFILES, whose
// memory must be the program's own. Built without the C runtime: the system loads and unloads this
// library around every call of the hook.
#include <windows.h>
#include <shlobj.h>

extern "C" BOOL WINAPI TakenHookEntry(HINSTANCE, DWORD, LPVOID) { return TRUE; }

namespace {

// Appends text to out, never past end; false once it is full.
bool Put(wchar_t*& out, wchar_t* end, const wchar_t* text) {
  while (*text) {
    if (out + 1 >= end) return false;
    *out++ = *text++;
  }
  *out = L'\0';
  return true;
}

// One line per item: a menu's caption, then each of its items indented by
// two blanks as "caption|shortcut|enabled" (or "disabled"), a separator as
// "-". The item text's tab separates caption and shortcut.
void WriteMenu(HMENU bar, wchar_t* out, wchar_t* end) {
  int menus = GetMenuItemCount(bar);
  for (int m = 0; m < menus; ++m) {
    wchar_t text[256];
    GetMenuStringW(bar, static_cast<UINT>(m), text, 256, MF_BYPOSITION);
    Put(out, end, text);
    Put(out, end, L"\n");
    HMENU popup = GetSubMenu(bar, m);
    int items = popup ? GetMenuItemCount(popup) : 0;
    for (int i = 0; i < items; ++i) {
      UINT state = GetMenuState(popup, static_cast<UINT>(i), MF_BYPOSITION);
      if (state & MF_SEPARATOR) {
        Put(out, end, L"  -\n");
        continue;
      }
      GetMenuStringW(popup, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
      for (wchar_t* c = text; *c; ++c) {
        if (*c == L'\t') *c = L'|';
      }
      Put(out, end, L"  ");
      Put(out, end, text);
      bool tabbed = false;
      for (wchar_t* c = text; *c; ++c) tabbed = tabbed || *c == L'|';
      Put(out, end, tabbed ? L"|" : L"||");
      Put(out, end, (state & (MF_GRAYED | MF_DISABLED)) ? L"disabled\n" : L"enabled\n");
    }
  }
}

// The driver's request: the message's wParam names a shared buffer and an
// event by the driver's mark.
void AnswerMenuRequest(const MSG& request) {
  wchar_t name[64];
  wsprintfW(name, L"tvdriver-menu-%x", static_cast<unsigned>(request.wParam));
  HANDLE shared = OpenFileMappingW(FILE_MAP_WRITE, FALSE, name);
  if (!shared) return;
  constexpr int kChars = 32768;
  if (auto* text = static_cast<wchar_t*>(MapViewOfFile(shared, FILE_MAP_WRITE, 0, 0, kChars * sizeof(wchar_t)))) {
    text[0] = L'\0';
    HWND window = request.hwnd;
    while (GetParent(window)) window = GetParent(window);
    if (HMENU bar = GetMenu(window)) WriteMenu(bar, text, text + kChars);
    UnmapViewOfFile(text);
  }
  CloseHandle(shared);
  wsprintfW(name, L"tvdriver-menu-read-%x", static_cast<unsigned>(request.wParam));
  if (HANDLE done = OpenEventW(EVENT_MODIFY_STATE, FALSE, name)) {
    SetEvent(done);
    CloseHandle(done);
  }
}

// The driver's drop: the message's wParam and lParam name a shared buffer
// of wide paths, each ended by a NUL and the whole by one more. They go into memory
// of the program's process laid out as the shell lays out a drop, and the
// message the program is taking becomes WM_DROPFILES for its main window.
void MakeDrop(MSG& request) {
  wchar_t name[64];
  wsprintfW(name, L"tvdriver-drop-%x-%x", static_cast<unsigned>(request.wParam), static_cast<unsigned>(request.lParam));
  HANDLE shared = OpenFileMappingW(FILE_MAP_READ, FALSE, name);
  if (!shared) return;
  const auto* paths = static_cast<const wchar_t*>(MapViewOfFile(shared, FILE_MAP_READ, 0, 0, 0));
  HGLOBAL memory = nullptr;
  if (paths) {
    SIZE_T chars = 0;
    while (paths[chars] || paths[chars + 1]) ++chars;
    chars += 2;
    memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + chars * sizeof(wchar_t));
    if (auto* drop = memory ? static_cast<DROPFILES*>(GlobalLock(memory)) : nullptr) {
      drop->pFiles = sizeof(DROPFILES);
      drop->fWide = TRUE;
      auto* out = reinterpret_cast<wchar_t*>(drop + 1);
      for (SIZE_T i = 0; i < chars; ++i) out[i] = paths[i];
      GlobalUnlock(memory);
    }
    UnmapViewOfFile(paths);
  }
  CloseHandle(shared);
  if (!memory) return;
  // The driver's drops are all posted before the program takes the first.
  wsprintfW(name, L"tvdriver-drops-posted-%x", static_cast<unsigned>(request.wParam));
  if (HANDLE posted = OpenEventW(SYNCHRONIZE, FALSE, name)) {
    WaitForSingleObject(posted, 30000);
    CloseHandle(posted);
  }
  HWND window = request.hwnd;
  while (GetParent(window)) window = GetParent(window);
  wsprintfW(name, L"tvdriver-dropped-%x-%x", static_cast<unsigned>(request.wParam),
            static_cast<unsigned>(request.lParam));
  request.hwnd = window;
  request.message = WM_DROPFILES;
  request.wParam = reinterpret_cast<WPARAM>(memory);
  request.lParam = 0;
  if (HANDLE done = OpenEventW(EVENT_MODIFY_STATE, FALSE, name)) {
    SetEvent(done);
    CloseHandle(done);
  }
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK TakenHook(int code, WPARAM removed, LPARAM message) {
  // A pointer move is not a witness: moves are merged on the way, and the
  // move that comes with a marked button event would signal too early.
  MSG* taken = reinterpret_cast<MSG*>(message);
  if (code == HC_ACTION && removed == PM_REMOVE && taken->message >= 0xC000) {
    if (taken->message == RegisterWindowMessageW(L"tvdriver-read-menu")) {
      AnswerMenuRequest(*taken);
    } else if (taken->message == RegisterWindowMessageW(L"tvdriver-drop")) {
      MakeDrop(*taken);
    }
  }
  if (code == HC_ACTION && removed == PM_REMOVE && taken->message != WM_MOUSEMOVE && taken->message != WM_NCMOUSEMOVE) {
    if (LPARAM mark = GetMessageExtraInfo()) {
      wchar_t name[64];
      wsprintfW(name, L"tvdriver-taken-%x", static_cast<unsigned>(mark));
      if (HANDLE signal = OpenEventW(EVENT_MODIFY_STATE, FALSE, name)) {
        SetEvent(signal);
        CloseHandle(signal);
      }
    }
  }
  return CallNextHookEx(nullptr, code, removed, message);
}
