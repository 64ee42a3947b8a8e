// The screensaver companion, the home page and the version box.
#include <windows.h>
#include <shellapi.h>

#include "app/app_state.h"
#include "list/list_file.h"
#include "view/form1.h"

namespace {

// The program's home page, handed to the shell as it stands.
constexpr const char* kHomePage = "https://tirvane.example/";

std::string WindowsFolder() {
  char folder[MAX_PATH] = "";
  GetWindowsDirectoryA(folder, sizeof folder);
  return folder;
}

}  // namespace

void TForm1::S4Click() {
  // An empty list leaves the screensaver's last list as it was.
  if (ListBox1.Count() > 0) SaveListToFile(ListBox1, DataFolder + "SSImgList.txt");
}

void TForm1::R2Click() {
  std::string folder = WindowsFolder();
  std::string screensaver = folder + "\\てぃるばね.scr";
  ShellExecuteA(nullptr, "Open", screensaver.c_str(), nullptr, folder.c_str(), SW_SHOW);
}

void TForm1::O1Click() { ShellExecuteA(nullptr, "Open", kHomePage, nullptr, nullptr, SW_HIDE); }

void TForm1::N5Click() { MessageBoxA(Handle(), "1.7.0.1", "バージョン", MB_OK); }
