#include "view/image_view.h"

#include "app/app_error.h"
#include "app/application.h"
#include "view/form1.h"

namespace {
constexpr const char* kClassName = "TImage";
}  // namespace

void TImage::Create(TForm1* owner, HWND parent) {
  owner_ = owner;
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &TImage::WindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kClassName;
  RegisterClassExA(&windowClass);
  CreateWindowExA(0, kClassName, "", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent, nullptr,
                  GetModuleHandleA(nullptr), this);
}

LRESULT CALLBACK TImage::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* image = static_cast<TImage*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    image->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(image));
  }
  auto* image = reinterpret_cast<TImage*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  return image ? image->OnMessage(message, wParam, lParam) : DefWindowProcA(window, message, wParam, lParam);
}

LRESULT TImage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_LBUTTONUP:
      Application::RunGuarded([this] { owner_->Image1MouseUp(MouseButton::Left); });
      return 0;
    case WM_RBUTTONUP:
      Application::RunGuarded([this] { owner_->Image1MouseUp(MouseButton::Right); });
      return 0;
    case WM_MBUTTONUP:
      Application::RunGuarded([this] { owner_->Image1MouseUp(MouseButton::Middle); });
      return 0;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

void TImage::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  RECT client;
  GetClientRect(window_, &client);
  // Drawn off screen first, so a picture never flickers through the
  // background while it is drawn.
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP canvas = CreateCompatibleBitmap(dc, client.right > 0 ? client.right : 1, client.bottom > 0 ? client.bottom : 1);
  HGDIOBJ old = SelectObject(memory, canvas);
  FillRect(memory, &client, GetSysColorBrush(COLOR_BTNFACE));
  std::string failure;
  try {
    picture.Draw(memory, client);
  } catch (const std::exception& error) {
    failure = MessageOf(error);
  }
  BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteObject(canvas);
  DeleteDC(memory);
  EndPaint(window_, &paint);
  // Shown after the paint has ended; the picture draws nothing from now on,
  // so the repaint behind the box does not raise the error again.
  if (!failure.empty()) Application::ShowErrorBox(failure);
}

void TImage::Invalidate() { InvalidateRect(window_, nullptr, FALSE); }
void TImage::Show() { ShowWindow(window_, SW_SHOWNA); }
void TImage::Hide() { ShowWindow(window_, SW_HIDE); }
bool TImage::Visible() const { return IsWindowVisible(window_) != FALSE; }

void TImage::AlignToClient(const RECT& viewArea) {
  aligned_ = true;
  SetBounds(viewArea);
}

RECT TImage::Bounds() const {
  RECT bounds;
  GetWindowRect(window_, &bounds);
  MapWindowPoints(nullptr, GetParent(window_), reinterpret_cast<POINT*>(&bounds), 2);
  return bounds;
}

void TImage::SetLeft(int left) {
  RECT r = Bounds();
  SetBounds({left, r.top, left + (r.right - r.left), r.bottom});
}

void TImage::SetWidth(int width) {
  RECT r = Bounds();
  SetBounds({r.left, r.top, r.left + width, r.bottom});
}

void TImage::SetHeight(int height) {
  RECT r = Bounds();
  SetBounds({r.left, r.top, r.right, r.top + height});
}

void TImage::SetBounds(const RECT& bounds) {
  RECT now = Bounds();
  if (EqualRect(&now, &bounds)) return;
  MoveWindow(window_, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, TRUE);
}
