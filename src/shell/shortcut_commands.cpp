// The commands that make shortcuts to the program.
#include "app/path_rules.h"
#include "app/platform.h"
#include "shell/shortcut.h"
#include "view/file_dialog.h"
#include "view/form1.h"

void TForm1::S1Click() {
  std::string entry = ListBox1.At(ListBox1.Selected());
  // pic.jpg offers pic. , and the name chosen gets .lnk in place of its extension.
  auto chosen = ShowFileDialog(Handle(), SaveDialog1, ChangeExtension(FileNameOf(entry), "."));
  if (!chosen) return;
  entry = ListBox1.At(ListBox1.Selected());
  CreateShortcut(ExecutablePath(), entry, ChangeExtension(*chosen, ".lnk"));
}

void TForm1::S2Click() {
  std::string folder = SpecialFolderPath(SpecialFolder::SendTo);
  // Without a Send To folder there is no place the shell would look at, so
  // no link is made anywhere else.
  if (folder.empty()) return;
  CreateShortcut(ExecutablePath(), "", folder + "\\てぃるばね.lnk");
}

void TForm1::R1Click() {
  if (auto chosen = ShowFileDialog(Handle(), SaveDialog1, "ﾗﾝﾀﾞﾑ壁紙.lnk"))
    CreateShortcut(ExecutablePath(), "-r", *chosen);
}
