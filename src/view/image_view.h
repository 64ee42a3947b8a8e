#pragma once
// Image1, the picture view: a child window that draws its picture stretched
// to its own bounds. It either fills the view area (client-aligned) or
// stands free at its own left, top, width and height.

#include <windows.h>

#include "view/picture.h"

class TForm1;

class TImage {
 public:
  void Create(TForm1* owner, HWND parent);
  HWND Handle() const { return window_; }

  Picture picture;

  void Invalidate();  // after the picture changed
  void Show();
  void Hide();
  bool Visible() const;

  // Client-aligned: the owner places the view over the whole view area.
  void AlignToClient(const RECT& viewArea);
  void SetFree() { aligned_ = false; }
  bool AlignedToClient() const { return aligned_; }

  RECT Bounds() const;  // in the parent's client coordinates
  void SetLeft(int left);
  void SetWidth(int width);
  void SetHeight(int height);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnPaint();
  void SetBounds(const RECT& bounds);

  TForm1* owner_ = nullptr;
  HWND window_ = nullptr;
  bool aligned_ = true;
};
