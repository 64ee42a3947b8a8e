#pragma once
// The one window base: a window bound to its C++ object when it is created,
// whose messages go to the object's OnMessage. Each window class is
// registered once, at its first window.

#include <windows.h>

struct WindowClass {
  const char* name;
  LPCSTR cursor = IDC_ARROW;  // one of the system's cursors
  HBRUSH background = nullptr;
  HICON icon = nullptr;
};

// Where a window is created, in its parent's client coordinates (the
// screen's for a top-level window).
struct WindowPlace {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

class Window {
 public:
  Window() = default;
  virtual ~Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Handle() const { return window_; }

 protected:
  // Handle() is set from the first message on, so OnMessage may use it
  // while the window is being created.
  void CreateBound(const WindowClass& windowClass, DWORD style, const char* title, const WindowPlace& place,
                   HWND parent, HMENU menu = nullptr);
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window_, message, wParam, lParam);
  }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
};

// The object a dialog works for, the one way dialog procedures find it:
// bound from bound (the object's address) at WM_INITDIALOG, null before.
template <class T>
T* DialogObject(HWND dialog, UINT message, LPARAM bound) {
  if (message == WM_INITDIALOG) SetWindowLongPtrA(dialog, GWLP_USERDATA, bound);
  return reinterpret_cast<T*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
}
