// The File menu's list commands: open a list file, save it, save it as.
#include "app/app_error.h"
#include "app/app_state.h"
#include "list/list_file.h"
#include "view/file_dialog.h"
#include "view/form1.h"
#include "view/picture_caption.h"

void TForm1::OpenListFile(const std::string& path) {
  LoadListFile(path);
  LoadPicture();
}

void TForm1::LoadListFile(const std::string& path) {
  ListName = path;
  try {
    LoadListFromFile(ListBox1, path);
    ListBox1.Select(0);
  } catch (const AppError&) {
    // A list that cannot be read opens empty; its name is kept, so the next
    // save creates the file there.
    ListBox1.Clear();
  }
  SetText(ListCaption(ListName));
}

void TForm1::N4Click() {
  if (auto path = ShowFileDialog(Handle(), OpenDialog2, ListName)) OpenListFile(*path);
}

void TForm1::N111Click() {
  if (ListName == kNewListName) {
    N21Click();
    return;
  }
  SaveListToFile(ListBox1, ListName);
}

void TForm1::N21Click() {
  auto path = ShowFileDialog(Handle(), SaveDialog2, ListName);
  if (!path) return;
  ListName = *path;
  SaveListToFile(ListBox1, ListName);
  SetText(ListCaption(ListName));
}
