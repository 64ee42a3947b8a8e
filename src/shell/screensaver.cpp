// The screensaver companion: the list handed to it, and starting it.
#include <windows.h>
#include <shellapi.h>

#include "app/app_state.h"
#include "app/platform.h"
#include "list/list_file.h"
#include "view/form1.h"

void TForm1::S4Click() {
  // An empty list leaves the screensaver's last list as it was.
  if (ListBox1.Count() > 0) SaveListToFile(ListBox1, DataFolder + "SSImgList.txt");
}

void TForm1::R2Click() {
  std::string folder = WindowsFolder();
  std::string screensaver = folder + "\\てぃるばね.scr";
  ShellExecuteA(nullptr, "Open", screensaver.c_str(), nullptr, folder.c_str(), SW_SHOW);
}
