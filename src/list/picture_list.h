#pragma once
// The picture list: the entries held by the list-box control ListBox1, its
// only store, with the selection rules every part of the program relies on.

#include <windows.h>

#include <string>
#include <vector>

#include "win/window.h"

class PictureList {
 public:
  void Attach(HWND listBox) { box_ = ListControl(listBox); }
  HWND Handle() const { return box_.Handle(); }

  int Count() const;
  // Throws "リストのインデックスが範囲を超えています (%d)" outside the list.
  std::string At(int index) const;
  std::vector<std::string> Entries() const;
  // Returns the new entry's index. Throws "行を挿入できません" when the
  // list takes no more entries.
  int Append(const std::string& entry);
  // Keeps the selected index as it was.
  void Replace(int index, const std::string& entry);
  // The selected entry removed leaves no selection; one above it keeps the
  // same entry selected. An index outside the list removes nothing.
  void Remove(int index);
  void Clear();
  // The first entry equal to text when letter case is ignored, or -1.
  int Find(const std::string& text) const;
  int Selected() const;
  // -1 removes the selection; an index outside the list is refused.
  void Select(int index);
  // Clears the list and fills it with entries, redrawing it once at the end.
  void Load(const std::vector<std::string>& entries);
  // Holds back the control's repainting, or lets it repaint in full again.
  void HoldRedraw(bool hold);

 private:
  void Insert(int index, const std::string& entry);
  ListControl box_;
};

// Held while a long operation appends to the list and handles waiting
// messages between insertions (a folder scan, an archive listing). Under
// Wine each insertion into a shown list box repaints its scroll bar, about
// 4 ms; so insertions go in without repainting, and HandleMessages lets the
// window answer and shows the list as it grows, about ten times a second.
// The outermost one redraws the list when it ends.
class GrowingList {
 public:
  explicit GrowingList(PictureList& list);
  ~GrowingList();
  GrowingList(const GrowingList&) = delete;
  GrowingList& operator=(const GrowingList&) = delete;

  // Handles every waiting message; a command chosen meanwhile runs to its end.
  void HandleMessages();

 private:
  PictureList& list_;
};
