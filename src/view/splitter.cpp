#include "view/splitter.h"

#include <windowsx.h>

#include "view/splitter_width.h"

namespace {

HBRUSH CreateHalftoneBrush() {
  WORD pattern[8];
  for (int row = 0; row < 8; ++row) pattern[row] = static_cast<WORD>(row % 2 ? 0xAAAA : 0x5555);
  GdiObject<HBITMAP> bits(CreateBitmap(8, 8, 1, 1, pattern));
  return CreatePatternBrush(bits.Get());
}

}  // namespace

void TSplitter::Create(HWND parent, std::function<int()> listWidth, std::function<void(int)> moved) {
  listWidth_ = std::move(listWidth);
  moved_ = std::move(moved);
  halftone_.Reset(CreateHalftoneBrush());
  CreateBound({"TSplitter", IDC_SIZEWE, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)},
              WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, "", {}, parent);
}

LRESULT TSplitter::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_LBUTTONDOWN:
      ClientToScreen(Handle(), &at);
      BeginDrag(at.x);
      return 0;
    case WM_MOUSEMOVE:
      if (!dragging_) break;
      ClientToScreen(Handle(), &at);
      Follow(at.x);
      return 0;
    case WM_LBUTTONUP:
      if (!dragging_) break;
      ClientToScreen(Handle(), &at);
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
  return Default(message, wParam, lParam);
}

void TSplitter::BeginDrag(int screenX) {
  dragging_ = true;
  startX_ = screenX;
  lineWidth_ = listWidth_();
  // The splitter takes the keys for the drag, so that Esc reaches it.
  focusBefore_ = SetFocus(Handle());
  SetCapture(Handle());
  InvertLine(lineWidth_);
}

void TSplitter::Follow(int screenX) {
  RECT client;
  GetClientRect(GetParent(Handle()), &client);
  int width = ListWidthAfterDrag(listWidth_(), screenX - startX_, client.right);
  if (width == lineWidth_) return;
  InvertLine(lineWidth_);
  lineWidth_ = width;
  InvertLine(lineWidth_);
}

void TSplitter::EndDrag(bool apply) {
  dragging_ = false;
  InvertLine(lineWidth_);
  if (GetCapture() == Handle()) ReleaseCapture();
  if (focusBefore_) SetFocus(focusBefore_);
  moved_(apply ? lineWidth_ : listWidth_());
}

// Drawn twice at the same place, the line is gone again.
void TSplitter::InvertLine(int x) {
  HWND parent = GetParent(Handle());
  RECT client;
  GetClientRect(parent, &client);
  // Over the parent's children too: a parent DC that does not clip them.
  WindowDC dc(parent, DCX_CACHE | DCX_CLIPSIBLINGS | DCX_LOCKWINDOWUPDATE);
  ScopedSelect brush(dc.Get(), halftone_.Get());
  PatBlt(dc.Get(), x, 0, kSplitterWidth, client.bottom, PATINVERT);
}
