#include "view/splitter.h"

#include <windowsx.h>

#include "view/fit.h"
#include "view/form1.h"

namespace {
constexpr const char* kClassName = "TSplitter";

HBRUSH CreateHalftoneBrush() {
  WORD pattern[8];
  for (int row = 0; row < 8; ++row) pattern[row] = static_cast<WORD>(row % 2 ? 0xAAAA : 0x5555);
  HBITMAP bits = CreateBitmap(8, 8, 1, 1, pattern);
  HBRUSH brush = CreatePatternBrush(bits);
  DeleteObject(bits);
  return brush;
}
}  // namespace

void TSplitter::Create(TForm1* owner, HWND parent) {
  owner_ = owner;
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &TSplitter::WindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_SIZEWE);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  RegisterClassExA(&windowClass);
  halftone_ = CreateHalftoneBrush();
  CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent, nullptr,
                  GetModuleHandleA(nullptr), this);
}

LRESULT CALLBACK TSplitter::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* splitter = static_cast<TSplitter*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    splitter->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(splitter));
  }
  auto* splitter = reinterpret_cast<TSplitter*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  return splitter ? splitter->OnMessage(message, wParam, lParam) : DefWindowProcA(window, message, wParam, lParam);
}

LRESULT TSplitter::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_LBUTTONDOWN:
      ClientToScreen(window_, &at);
      BeginDrag(at.x);
      return 0;
    case WM_MOUSEMOVE:
      if (!dragging_) break;
      ClientToScreen(window_, &at);
      Follow(at.x);
      return 0;
    case WM_LBUTTONUP:
      if (!dragging_) break;
      ClientToScreen(window_, &at);
      Follow(at.x);
      EndDrag(true);
      return 0;
    case WM_KEYDOWN:
      if (dragging_ && wParam == VK_ESCAPE) EndDrag(false);
      return 0;
    case WM_CAPTURECHANGED:
      if (dragging_) EndDrag(false);
      return 0;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

void TSplitter::BeginDrag(int screenX) {
  dragging_ = true;
  startX_ = screenX;
  lineWidth_ = owner_->ListWidth();
  // The splitter takes the keys for the drag, so that Esc reaches it.
  focusBefore_ = SetFocus(window_);
  SetCapture(window_);
  InvertLine(lineWidth_);
}

void TSplitter::Follow(int screenX) {
  RECT client;
  GetClientRect(GetParent(window_), &client);
  int width = ListWidthAfterDrag(owner_->ListWidth(), screenX - startX_, client.right);
  if (width == lineWidth_) return;
  InvertLine(lineWidth_);
  lineWidth_ = width;
  InvertLine(lineWidth_);
}

void TSplitter::EndDrag(bool apply) {
  dragging_ = false;
  InvertLine(lineWidth_);
  if (GetCapture() == window_) ReleaseCapture();
  if (focusBefore_) SetFocus(focusBefore_);
  owner_->Splitter1Moved(apply ? lineWidth_ : owner_->ListWidth());
}

// Drawn twice at the same place, the line is gone again.
void TSplitter::InvertLine(int x) {
  HWND parent = GetParent(window_);
  RECT client;
  GetClientRect(parent, &client);
  // Over the parent's children too: a parent DC that does not clip them.
  HDC dc = GetDCEx(parent, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS | DCX_LOCKWINDOWUPDATE);
  HGDIOBJ old = SelectObject(dc, halftone_);
  PatBlt(dc, x, 0, kSplitterWidth, client.bottom, PATINVERT);
  SelectObject(dc, old);
  ReleaseDC(parent, dc);
}
