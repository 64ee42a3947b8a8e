#pragma once
// Splitter1: the 3-pixel bar right of the list. Dragging it moves a
// patterned line over the window; releasing the button gives the list its
// new width, Esc or a lost capture cancels. The owner hears of every end.

#include <windows.h>

#include <functional>

#include "win/handles.h"
#include "win/window.h"

class TSplitter : public Window {
 public:
  // listWidth tells the list's width now; moved hears the width at the end
  // of every drag, the same one when it was cancelled.
  void Create(HWND parent, std::function<int()> listWidth, std::function<void(int)> moved);

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void BeginDrag(int screenX);
  void Follow(int screenX);
  void EndDrag(bool apply);
  void InvertLine(int x);

  std::function<int()> listWidth_;
  std::function<void(int)> moved_;
  GdiObject<HBRUSH> halftone_;
  bool dragging_ = false;
  int startX_ = 0;     // screen position where the drag began
  int lineWidth_ = 0;  // the list width the line shows
  HWND focusBefore_ = nullptr;
};
