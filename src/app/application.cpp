#include "app/application.h"

#include "app/app_error.h"
#include "app/platform.h"

namespace Application {
namespace {
HWND mainWindow = nullptr;
HACCEL mainShortcuts = nullptr;
bool terminated = false;

void Dispatch(MSG& message) {
  if (mainShortcuts && mainWindow && TranslateAcceleratorA(mainWindow, mainShortcuts, &message)) return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}
}  // namespace

const std::string& Title() {
  static const std::string title = ApplicationTitleOfThisProgram();
  return title;
}

void SetMainWindow(HWND window, HACCEL shortcuts) {
  mainWindow = window;
  mainShortcuts = shortcuts;
}

void Run(int showCommand) {
  if (!mainWindow) return;
  // Maximized or minimized without activation when the shell asks so;
  // otherwise the normal state.
  if (showCommand != SW_SHOWMAXIMIZED && showCommand != SW_SHOWMINNOACTIVE) showCommand = SW_SHOWNORMAL;
  ShowWindow(mainWindow, showCommand);
  SendMessageA(mainWindow, kMainWindowShown, 0, 0);
  MSG message;
  while (!terminated) {
    BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    Dispatch(message);
  }
}

void ProcessMessages() {
  MSG message;
  while (!terminated && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      terminated = true;
      break;
    }
    Dispatch(message);
  }
}

void Terminate() { PostQuitMessage(0); }

void ShowErrorBox(const std::string& message) {
  HWND owner = mainWindow && IsWindowVisible(mainWindow) ? mainWindow : nullptr;
  MessageBoxA(owner, ErrorBoxText(message).c_str(), Title().c_str(), MB_OK | MB_ICONSTOP);
}

}  // namespace Application
