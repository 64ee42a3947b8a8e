#include "shell/shortcut.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "win/com_reference.h"

std::string SendToFolder() {
  CoTaskMemory<LPITEMIDLIST> items;
  char path[MAX_PATH] = "";
  if (SUCCEEDED(SHGetSpecialFolderLocation(GetDesktopWindow(), CSIDL_SENDTO, items.Out())) && items.Get()) {
    SHGetPathFromIDListA(items.Get(), path);
  }
  return path;
}

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
