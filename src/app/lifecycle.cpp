#include "app/lifecycle.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "app/app_error.h"
#include "app/app_state.h"
#include "app/application.h"
#include "app/command_line.h"
#include "app/folders.h"
#include "app/path_rules.h"
#include "app/platform.h"
#include "app/settings_file.h"
#include "list/list_file.h"
#include "view/form1.h"

namespace {

// The Recent folder's parent holds the data folder. Should the shell not
// name it, the user's application-data folder stands in, and failing that
// the executable's own folder, so the settings never land in a drive root.
std::string DeriveDataFolder() {
  std::string recent = RecentFolderPath();
  if (!recent.empty()) return DataFolderFromRecent(recent);
  char appData[MAX_PATH] = "";
  if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData)) && appData[0]) {
    return std::string(appData) + "\\Tirvane\\";
  }
  return FolderOf(ExecutablePath()) + "\\Tirvane\\";
}

void Dispatch(const std::string& argument) {
  if (UpperCase(ExtensionOf(argument)) == ".PVL") {
    // A list given by the shell: its failures leave the window as it is.
    try {
      ListName = argument;
      RestoreState();
    } catch (const std::exception&) {
    }
    return;
  }
  RestoreState();
}

}  // namespace

void StartUp() {
  DataFolder = DeriveDataFolder();
  if (!FolderExists(DataFolder)) CreateDirectoryA(DataFolder.c_str(), nullptr);
  TempFolder = TempFolderFrom(TempPath(), ExecutablePath());
  Dispatch(FirstArgument(GetCommandLineA()));
}

void RestoreState() {
  SettingsFile settings;
  Form1->SetTop(settings.ReadInteger("top", 0));
  Form1->SetLeft(settings.ReadInteger("left", 0));
  Form1->SetHeight(settings.ReadInteger("Height", 400));
  Form1->SetWidth(settings.ReadInteger("Width", 600));
  CurrentFolder = settings.ReadString("Dir", DriveRootOf(ExecutablePath()));
  AutoSiz = settings.ReadBool("AutoSiz", true);
  if (AutoSiz) Form1->PutOptionMark(CommandId::S3);
  Tile = settings.ReadBool("Tile", true);
  if (Tile) Form1->PutOptionMark(CommandId::Tile1);
  Location = settings.ReadBool("Location", false);
  if (Location) Form1->PutOptionMark(CommandId::L1);
  if (ListName.empty()) ListName = settings.ReadString("ListName", "新規");
  try {
    LoadListFromFile(Form1->ListBox1, ListName);
    Form1->ListBox1.Select(0);
  } catch (const AppError&) {
    // No last list (first start, a moved file): start with an empty one.
  }
  Form1->ListBox1.Select(settings.ReadInteger("ItemIndex", 0));
  Form1->LoadPicture();
  Form1->SetCaption(std::to_string(Form1->ListBox1.Count()));
}

void SaveState() {
  Form1->ShowNormal();
  RECT bounds = Form1->Bounds();
  SettingsFile settings;
  settings.WriteInteger("top", bounds.top);
  settings.WriteInteger("left", bounds.left);
  settings.WriteInteger("Height", bounds.bottom - bounds.top);
  settings.WriteInteger("Width", bounds.right - bounds.left);
  settings.WriteString("Dir", CurrentFolder);
  settings.WriteString("ListName", ListName);
  settings.WriteInteger("ItemIndex", Form1->ListBox1.Selected());
  settings.WriteBool("AutoSiz", AutoSiz);
  settings.WriteBool("Tile", Tile);
  settings.WriteBool("Location", Location);
  try {
    SaveListToFile(Form1->ListBox1, ListName);
    DeleteTree(TempFolder.substr(0, TempFolder.size() - 1));
  } catch (const AppError&) {
    // No list file to write (an archive start): the extracted members stay
    // until a later exit deletes them.
  }
}

void DeleteTree(const std::string& folder) {
  Application::ProcessMessages();
  WIN32_FIND_DATAA found;
  HANDLE listing = FindFirstFileA((folder + "\\*.*").c_str(), &found);
  if (listing != INVALID_HANDLE_VALUE) {
    do {
      std::string name = found.cFileName;
      std::string path = folder + "\\" + name;
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileA(path.c_str());
      } else if (IsLinkedFolder(found.dwFileAttributes, found.dwReserved0)) {
        // A junction or link to a folder goes, what it leads to stays.
        RemoveDirectoryA(path.c_str());
      } else if (name != "." && name != "..") {
        DeleteTree(path);
      }
    } while (FindNextFileA(listing, &found));
    FindClose(listing);
  }
  if (FolderExists(folder)) RemoveDirectoryA(folder.c_str());
}

void TForm1::FormCreate() {
  CoInitialize(nullptr);
  StartUp();
}

void TForm1::FormClose() {
  CoUninitialize();
  SaveState();
}

void TForm1::X1Click() {
  SaveState();
  SendMessageA(Handle(), WM_CLOSE, 0, 0);
}
