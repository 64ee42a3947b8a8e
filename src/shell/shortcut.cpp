#include "shell/shortcut.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "win/com_reference.h"
#include "app/path_rules.h"
#include "app/platform.h"
#include "view/file_dialog.h"
#include "view/form1.h"

namespace {

// The Send To folder, or nothing when the shell cannot name it.
std::string SendToFolder() {
  CoTaskMemory<LPITEMIDLIST> items;
  char path[MAX_PATH] = "";
  if (SUCCEEDED(SHGetSpecialFolderLocation(GetDesktopWindow(), CSIDL_SENDTO, items.Out())) && items.Get()) {
    SHGetPathFromIDListA(items.Get(), path);
  }
  return path;
}

}  // namespace

bool CreateShortcut(const std::string& target, const std::string& argument, const std::string& linkPath) {
  ComReference<IShellLinkA> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.Out()))) {
    return false;
  }
  ComReference<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.Out()))) return false;
  if (FAILED(link->SetPath(target.c_str()))) return false;
  std::string quoted = "\"" + argument + "\"";
  if (FAILED(link->SetArguments(quoted.c_str()))) return false;
  wchar_t wide[MAX_PATH + 1] = {};
  if (!MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide, MAX_PATH + 1)) return false;
  return SUCCEEDED(file->Save(wide, TRUE));
}

void TForm1::S1Click() {
  std::string entry = ListBox1.At(ListBox1.Selected());
  // pic.jpg offers pic. , and the name chosen gets .lnk in place of its extension.
  auto chosen = ShowFileDialog(Handle(), SaveDialog1, ChangeExtension(FileNameOf(entry), "."));
  if (!chosen) return;
  entry = ListBox1.At(ListBox1.Selected());
  CreateShortcut(ExecutablePath(), entry, ChangeExtension(*chosen, ".lnk"));
}

void TForm1::S2Click() {
  std::string folder = SendToFolder();
  // Without a Send To folder there is no place the shell would look at, so
  // no link is made anywhere else.
  if (folder.empty()) return;
  CreateShortcut(ExecutablePath(), "", folder + "\\てぃるばね.lnk");
}

void TForm1::R1Click() {
  if (auto chosen = ShowFileDialog(Handle(), SaveDialog1, "ﾗﾝﾀﾞﾑ壁紙.lnk")) CreateShortcut(ExecutablePath(), "-r", *chosen);
}
