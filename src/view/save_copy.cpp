// Saving a copy of the picture the view holds.
#include "app/path_rules.h"
#include "view/file_dialog.h"
#include "view/form1.h"

void TForm1::Save1Click() {
  std::string entry = ListBox1.At(ListBox1.Selected());
  if (entry.empty()) return;
  std::string extension = ExtensionOf(entry);  // its case kept
  // The dialog's one mask, such as *.JPG, stands as the description and as
  // the pattern, so the dialog lists the files of that kind.
  std::string mask = "*" + extension;
  std::string filter = mask + "|" + mask;
  FileDialog dialog = SavePictureDialog1;
  dialog.filter = filter.c_str();
  auto path = ShowFileDialog(Handle(), dialog, "新規画像ファイル" + extension);
  if (!path) return;
  Image1.picture.SaveToFile(*path);
}
