#pragma once
// Splitter1: the 3-pixel bar right of the list. Dragging it moves a
// patterned line over the window; releasing the button gives the list its
// new width, Esc or a lost capture cancels. The owner hears of every end.

#include <windows.h>

class TForm1;

class TSplitter {
 public:
  void Create(TForm1* owner, HWND parent);
  HWND Handle() const { return window_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void BeginDrag(int screenX);
  void Follow(int screenX);
  void EndDrag(bool apply);
  void InvertLine(int x);

  TForm1* owner_ = nullptr;
  HWND window_ = nullptr;
  HBRUSH halftone_ = nullptr;
  bool dragging_ = false;
  int startX_ = 0;     // screen position where the drag began
  int lineWidth_ = 0;  // the list width the line shows
  HWND focusBefore_ = nullptr;
};
