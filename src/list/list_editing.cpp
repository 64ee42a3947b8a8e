// Editing the list and stepping through it by hand.
#include "view/form1.h"

namespace {

// Exchanges two entries through replacing, keeping the selection as it is.
void Exchange(PictureList& list, int first, int second) {
  std::string former = list.At(first);
  list.Replace(first, list.At(second));
  list.Replace(second, former);
}

}  // namespace

void TForm1::Delete1Click() {
  int index = ListBox1.Selected();
  ListBox1.Remove(index);
  if (index == ListBox1.Count()) index = ListBox1.Count() - 1;
  ListBox1.Select(index);
  MessageBeep(MB_OK);
  LoadPicture();
}

void TForm1::C1Click() {
  ListBox1.Clear();
  LoadPicture();
  Image1.Hide();
}

void TForm1::ListBox1KeyDown(WORD& key, ShiftState shift) {
  if (!shift.ctrl || shift.shift || shift.alt) return;
  int index = ListBox1.Selected();
  if (key == VK_UP && index > 0) {
    Exchange(ListBox1, index - 1, index);
    ListBox1.Select(index - 1);
  } else if (key == VK_DOWN && index >= 0 && index < ListBox1.Count() - 1) {
    Exchange(ListBox1, index, index + 1);
    ListBox1.Select(index + 1);
  }
  // Every Ctrl key is taken, so the list's own Ctrl+Home and the like never run.
  key = 0;
}

void TForm1::Image1MouseUp(MouseButton button) {
  int index = ListBox1.Selected();
  if (button == MouseButton::Left) {
    ListBox1.Select(index + 1);
  } else if (button == MouseButton::Right && index > 0) {
    ListBox1.Select(index - 1);
  }
  LoadPicture();
}
