#pragma once
// Image1, the picture view: a child window that draws its picture stretched
// to its own bounds. It either fills the view area (client-aligned) or
// stands free at its own left, top, width and height.

#include <windows.h>

#include <functional>

#include "picture/picture.h"
#include "win/window.h"

enum class MouseButton { Left, Right, Middle };

class TImage : public Window {
 public:
  // mouseUp hears of each button released over the view.
  void Create(HWND parent, std::function<void(MouseButton)> mouseUp);

  Picture picture;

  // Client-aligned: the owner places the view over the whole view area.
  void AlignToClient(const RECT& viewArea);
  void SetFree() { aligned_ = false; }
  bool AlignedToClient() const { return aligned_; }

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnPaint();

  std::function<void(MouseButton)> mouseUp_;
  bool aligned_ = true;
};
