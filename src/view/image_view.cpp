#include "view/image_view.h"

#include "app/app_error.h"
#include "app/application.h"
#include "win/handles.h"

void TImage::Create(HWND parent, std::function<void(MouseButton)> mouseUp) {
  mouseUp_ = std::move(mouseUp);
  CreateBound({"TImage"}, WS_CHILD | WS_CLIPSIBLINGS, "", {}, parent);
}

LRESULT TImage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;  // the paint covers every pixel
    case WM_LBUTTONUP: Application::RunGuarded([this] { mouseUp_(MouseButton::Left); }); return 0;
    case WM_RBUTTONUP: Application::RunGuarded([this] { mouseUp_(MouseButton::Right); }); return 0;
    case WM_MBUTTONUP: Application::RunGuarded([this] { mouseUp_(MouseButton::Middle); }); return 0;
  }
  return Default(message, wParam, lParam);
}

void TImage::OnPaint() {
  std::string failure;
  {
    PaintDC dc(Handle());
    RECT client;
    GetClientRect(Handle(), &client);
    // Drawn off screen first, so a picture never flickers through the
    // background while it is drawn.
    MemoryDC memory(CreateCompatibleDC(dc.Get()));
    GdiObject<HBITMAP> canvas(
        CreateCompatibleBitmap(dc.Get(), client.right > 0 ? client.right : 1, client.bottom > 0 ? client.bottom : 1));
    ScopedSelect selected(memory.Get(), canvas.Get());
    FillRect(memory.Get(), &client, GetSysColorBrush(COLOR_BTNFACE));
    try {
      picture.Draw(memory.Get(), client);
    } catch (const std::exception& error) {
      failure = MessageOf(error);
    }
    BitBlt(dc.Get(), 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
  }
  // Shown after the paint has ended; the picture draws nothing from now on,
  // so the repaint behind the box does not raise the error again.
  if (!failure.empty()) Application::ShowErrorBox(failure);
}

void TImage::AlignToClient(const RECT& viewArea) {
  aligned_ = true;
  SetBounds(viewArea);
}
