// Loaded by the system into the program under test while the driver waits
// for the program to take an input event (a WH_GETMESSAGE hook on its
// thread). The driver marks that event's extra information with a value
// and names an event after it; when the program's thread takes a message
// so marked, the hook signals that event. The program itself is unchanged.
// Built without the C runtime: the system loads and unloads this library
// around every call of the hook.
#include <windows.h>

extern "C" BOOL WINAPI TakenHookEntry(HINSTANCE, DWORD, LPVOID) { return TRUE; }

extern "C" __declspec(dllexport) LRESULT CALLBACK TakenHook(int code, WPARAM removed, LPARAM message) {
  // A pointer move is not a witness: moves are merged on the way, and the
  // move that comes with a marked button event would signal too early.
  const MSG* taken = reinterpret_cast<const MSG*>(message);
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
