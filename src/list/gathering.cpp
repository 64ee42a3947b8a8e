// The File menu's commands that add pictures to the list.
#include "app/path_rules.h"
#include "archive/archive_entries.h"
#include "view/file_dialog.h"
#include "view/form1.h"

namespace {
// The archive dialog offers the name chosen at its last use.
std::string lastArchiveName;
}  // namespace

void TForm1::Z1Click() { OpenLzhFile(); }

void TForm1::OpenLzhFile() {
  auto path = ShowFileDialog(Handle(), OpenDialog1, lastArchiveName);
  if (!path) return;
  lastArchiveName = *path;
  if (UpperCase(ExtensionOf(*path)) != ".LZH") return;
  AddArchivePictures(ListBox1, *path);
  SetCaption(std::to_string(ListBox1.Count()));
  ListBox1.Select(0);
  LoadPicture();
}
