#include "win/window.h"

void Window::CreateBound(const WindowClass& windowClass, DWORD style, const char* title, const WindowPlace& place,
                         HWND parent, HMENU menu) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA registered{};
  registered.cbSize = sizeof registered;
  if (!GetClassInfoExA(instance, windowClass.name, &registered)) {
    registered.lpfnWndProc = &Window::Procedure;
    registered.hInstance = instance;
    registered.hIcon = windowClass.icon;
    registered.hCursor = LoadCursorA(nullptr, windowClass.cursor);
    registered.hbrBackground = windowClass.background;
    registered.lpszClassName = windowClass.name;
    RegisterClassExA(&registered);
  }
  CreateWindowExA(0, windowClass.name, title, style, place.left, place.top, place.width, place.height, parent, menu,
                  instance, this);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* bound = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    bound->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(bound));
  }
  auto* bound = reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  return bound ? bound->OnMessage(message, wParam, lParam) : DefWindowProcA(window, message, wParam, lParam);
}
