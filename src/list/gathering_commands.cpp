// The File menu's commands that add pictures to the list.
#include "app/app_state.h"
#include "app/path_rules.h"
#include "list/gathering.h"
#include "view/file_dialog.h"
#include "view/folder_dialog.h"
#include "view/form1.h"

namespace {

// The name each dialog offers when nothing else is preset: the one chosen
// at its last use.
std::string lastPictureName;
std::string lastArchiveName;

}  // namespace

void TForm1::Open1Click() { OpenPictureFile(); }
void TForm1::Z1Click() { OpenLzhFile(); }
void TForm1::N1Click() { OpenFolder(); }

void TForm1::OpenPictureFile() {
  int selected = ListBox1.Selected();
  auto path = ShowFileDialog(Handle(), OpenPictureDialog1, selected >= 0 ? ListBox1.At(selected) : lastPictureName);
  if (!path) return;
  lastPictureName = *path;
  int found = ListBox1.Find(*path);
  if (found < 0) {
    ListBox1.Append(*path);
  } else {
    ListBox1.Select(found);
  }
  LoadPicture();
}

void TForm1::OpenLzhFile() {
  auto path = ShowFileDialog(Handle(), OpenDialog1, lastArchiveName);
  if (!path) return;
  lastArchiveName = *path;
  if (!HasExtension(*path, ".lzh")) return;
  AddArchivePictures(ListBox1, *path);
  ShowGatheredList();
}

void TForm1::OpenFolder() {
  CurrentFolder.clear();
  if (auto folder = ChooseFolder(Handle())) CurrentFolder = *folder;
  if (CurrentFolder.empty()) return;
  // A drive root is handed over as its letter and colon, so that its
  // entries read C:\name.
  if (CurrentFolder.size() == 3 && CurrentFolder[2] == '\\') CurrentFolder.resize(2);
  ScanFolder(ListBox1, CurrentFolder);
  ShowGatheredList();
}

void TForm1::ShowGatheredList() {
  SetText(std::to_string(ListBox1.Count()));
  ListBox1.Select(0);
  LoadPicture();
}
