#include "shell/shortcut.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "win/com_reference.h"

void CreateShortcut(const std::string& target, const std::string& argument, const std::string& linkPath) {
  ComReference<IShellLinkA> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.Out()))) return;
  ComReference<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.Out()))) return;
  if (FAILED(link->SetPath(target.c_str()))) return;
  std::string quoted = "\"" + argument + "\"";
  if (FAILED(link->SetArguments(quoted.c_str()))) return;
  wchar_t wide[MAX_PATH + 1] = {};
  if (!MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide, MAX_PATH + 1)) return;
  file->Save(wide, TRUE);
}
