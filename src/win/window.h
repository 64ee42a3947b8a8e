#pragma once
// The one window base: a window bound to its C++ object when it is created,
// whose messages go to the object's OnMessage. Each window class is
// registered once, at its first window. WindowRef holds the thin operations
// every window shares, for the program's own windows and any other.

#include <windows.h>

#include <optional>
#include <string>

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

// A window by its handle, not owned: copied freely, and each operation one
// call of the platform or two.
class WindowRef {
 public:
  WindowRef() = default;
  explicit WindowRef(HWND window) : window_(window) {}

  HWND Handle() const { return window_; }

  // Outer bounds: in the parent's client coordinates for a child window,
  // in the screen's for a top-level one.
  RECT Bounds() const;
  // Moves the window and repaints it; one already there is left alone.
  void SetBounds(const RECT& bounds);
  // Each changes one side of the bounds, the others kept.
  void SetLeft(int left);
  void SetTop(int top);
  void SetWidth(int width);
  void SetHeight(int height);

  void SetText(const std::string& text);
  void Show();  // without activating it
  void Hide();
  void Invalidate(bool erase = false);
  // Holds back the window's repainting, or lets it repaint again.
  void SetRedraw(bool on);
  // Invalidates all of it, frame and children included, background erased.
  void Redraw();

 protected:
  HWND window_ = nullptr;
};

// A list-box control.
class ListControl : public WindowRef {
 public:
  using WindowRef::WindowRef;
  // The item's text; nothing for an index outside the list.
  std::optional<std::string> ItemText(int index) const;
};

class Window : public WindowRef {
 public:
  Window() = default;
  virtual ~Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

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
};

// The object a dialog works for, the one way dialog procedures find it:
// bound from bound (the object's address) at WM_INITDIALOG, null before.
template <class T>
T* DialogObject(HWND dialog, UINT message, LPARAM bound) {
  if (message == WM_INITDIALOG) SetWindowLongPtrA(dialog, GWLP_USERDATA, bound);
  return reinterpret_cast<T*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
}
