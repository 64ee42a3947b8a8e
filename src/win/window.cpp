#include "win/window.h"

RECT WindowRef::Bounds() const {
  RECT bounds;
  GetWindowRect(window_, &bounds);
  if (GetWindowLongPtrA(window_, GWL_STYLE) & WS_CHILD) {
    MapWindowPoints(nullptr, GetParent(window_), reinterpret_cast<POINT*>(&bounds), 2);
  }
  return bounds;
}

void WindowRef::SetBounds(const RECT& bounds) {
  RECT now = Bounds();
  if (EqualRect(&now, &bounds)) return;
  MoveWindow(window_, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, TRUE);
}

void WindowRef::SetLeft(int left) {
  RECT r = Bounds();
  SetBounds({left, r.top, left + (r.right - r.left), r.bottom});
}

void WindowRef::SetTop(int top) {
  RECT r = Bounds();
  SetBounds({r.left, top, r.right, top + (r.bottom - r.top)});
}

void WindowRef::SetWidth(int width) {
  RECT r = Bounds();
  SetBounds({r.left, r.top, r.left + width, r.bottom});
}

void WindowRef::SetHeight(int height) {
  RECT r = Bounds();
  SetBounds({r.left, r.top, r.right, r.top + height});
}

void WindowRef::SetText(const std::string& text) { SetWindowTextA(window_, text.c_str()); }
void WindowRef::Show() { ShowWindow(window_, SW_SHOWNA); }
void WindowRef::Hide() { ShowWindow(window_, SW_HIDE); }
void WindowRef::Invalidate(bool erase) { InvalidateRect(window_, nullptr, erase); }
void WindowRef::SetRedraw(bool on) { SendMessageA(window_, WM_SETREDRAW, on, 0); }

void WindowRef::Redraw() {
  RedrawWindow(window_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

std::optional<std::string> ListControl::ItemText(int index) const {
  LRESULT length = index >= 0 ? SendMessageA(window_, LB_GETTEXTLEN, index, 0) : LB_ERR;
  if (length == LB_ERR) return std::nullopt;
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  LRESULT got = SendMessageA(window_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(got == LB_ERR ? 0 : static_cast<std::size_t>(got));
  return text;
}

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
