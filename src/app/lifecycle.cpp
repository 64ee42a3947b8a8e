#include "app/lifecycle.h"

#include <windows.h>

#include "app/app_error.h"
#include "app/app_state.h"
#include "app/application.h"
#include "app/command_line.h"
#include "app/folders.h"
#include "app/path_rules.h"
#include "app/platform.h"
#include "app/random_pick.h"
#include "app/settings_file.h"
#include "list/gathering.h"
#include "list/list_file.h"
#include "view/form1.h"
#include "win/code_page.h"
#include "win/folder_entries.h"

namespace {

// The Recent folder's parent holds the data folder. Should the shell not
// name it, the user's application-data folder stands in, and failing that
// the executable's own folder, so the settings never land in a drive root.
std::string DeriveDataFolder() {
  std::string recent = SpecialFolderPath(SpecialFolder::Recent);
  if (!recent.empty()) return DataFolderFromRecent(recent);
  std::string appData = SpecialFolderPath(SpecialFolder::AppData);
  if (!appData.empty()) return appData + "\\Tirvane\\";
  return FolderOf(ExecutablePath()) + "\\Tirvane\\";
}

// The first command-line argument, which the random pick looks at again.
std::string firstArgument;
std::uint32_t randomSeed = 0;
// Started to set one picture as the wallpaper: nothing of the last session
// but the window and the options was read.
bool wallpaperRoute = false;

void SeedFromTheClock() {
  SYSTEMTIME now;
  GetSystemTime(&now);
  randomSeed = SeedFromClock(now.wHour, now.wMinute, now.wSecond, now.wMilliseconds);
}

void Dispatch(TForm1& form, const std::string& argument) {
  switch (ChooseStartRoute(argument, &FolderExists)) {
    case StartRoute::Archive:
      form.ListBox1.Clear();
      AddArchivePictures(form.ListBox1, argument);
      form.ShowGatheredList();
      break;
    case StartRoute::ListFile:
      // A list given by the shell: its failures leave the window as it is.
      try {
        ListName = argument;
        RestoreState(form);
      } catch (const std::exception&) {
      }
      break;
    case StartRoute::Folder:
      form.ListBox1.Clear();
      ScanFolder(form.ListBox1, argument);
      form.ShowGatheredList();
      ListName = kNewListName;
      break;
    case StartRoute::LastList: RestoreState(form); break;
    case StartRoute::Wallpaper:
      wallpaperRoute = true;
      form.Param(argument);
      break;
  }
}

// The second byte alone, even the second half of a double-byte character,
// compared with "r" as the user's locale compares, ignoring case.
bool AsksForRandomPick(const std::string& argument) {
  return argument.size() >= 2 &&
         CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, argument.data() + 1, 1, "r", 1) == CSTR_EQUAL;
}

// Hands a random entry of the restored list to the wallpaper mode. An empty
// list gives the list-index error for entry 0.
void RandomPick(TForm1& form) {
  SeedFromTheClock();
  auto count = static_cast<std::uint32_t>(form.ListBox1.Count());
  form.Param(form.ListBox1.At(static_cast<int>(NextRandomBelow(randomSeed, count))));
}

// Split from the wide command line: Send To and the shortcuts pass the real
// path, which the ANSI command line would carry as a best-fit guess. An
// argument no entry can spell is refused with a beep, and the program
// starts as without one.
std::string FirstArgumentAsEntry() {
  std::wstring argument = FirstArgument(std::wstring_view(GetCommandLineW()));
  if (auto entry = EntryPath(argument)) return *entry;
  MessageBeep(MB_OK);
  return {};
}

}  // namespace

void StartUp(TForm1& form) {
  DataFolder = DeriveDataFolder();
  if (!FolderExists(DataFolder)) CreateDirectoryA(DataFolder.c_str(), nullptr);
  TempFolder = TempFolderFrom(TempPath(), ExecutablePath());
  SeedFromTheClock();
  firstArgument = FirstArgumentAsEntry();
  Dispatch(form, firstArgument);
}

void RestoreWindowAndOptions(TForm1& form, const SettingsFile& settings, bool markOptions) {
  form.SetTop(settings.ReadInteger("top", 0));
  form.SetLeft(settings.ReadInteger("left", 0));
  form.SetHeight(settings.ReadInteger("Height", 400));
  form.SetWidth(settings.ReadInteger("Width", 600));
  AutoSiz = settings.ReadBool("AutoSiz", true);
  Tile = settings.ReadBool("Tile", true);
  Location = settings.ReadBool("Location", false);
  if (!markOptions) return;
  if (AutoSiz) form.PutOptionMark(CommandId::S3);
  if (Tile) form.PutOptionMark(CommandId::Tile1);
  if (Location) form.PutOptionMark(CommandId::L1);
}

void RestoreState(TForm1& form) {
  SettingsFile settings;
  RestoreWindowAndOptions(form, settings, true);
  CurrentFolder = settings.ReadString("Dir", DriveRootOf(ExecutablePath()));
  if (ListName.empty()) ListName = settings.ReadString("ListName", "新規");
  try {
    LoadListFromFile(form.ListBox1, ListName);
    form.ListBox1.Select(0);
  } catch (const AppError&) {
    // No last list (first start, a moved file): start with an empty one.
  }
  if (AsksForRandomPick(firstArgument)) {
    RandomPick(form);
  } else {
    form.ListBox1.Select(settings.ReadInteger("ItemIndex", 0));
  }
  form.LoadPicture();
  form.SetText(std::to_string(form.ListBox1.Count()));
}

namespace {

enum class SaveScope { Everything, WindowAndOptions };

void SaveState(TForm1& form, SaveScope scope) {
  form.ShowNormal();
  RECT bounds = form.Bounds();
  SettingsFile settings;
  settings.WriteInteger("top", bounds.top);
  settings.WriteInteger("left", bounds.left);
  settings.WriteInteger("Height", bounds.bottom - bounds.top);
  settings.WriteInteger("Width", bounds.right - bounds.left);
  if (scope == SaveScope::Everything) {
    settings.WriteString("Dir", CurrentFolder);
    settings.WriteString("ListName", ListName);
    settings.WriteInteger("ItemIndex", form.ListBox1.Selected());
  }
  settings.WriteBool("AutoSiz", AutoSiz);
  settings.WriteBool("Tile", Tile);
  settings.WriteBool("Location", Location);
  if (scope != SaveScope::Everything) return;
  try {
    SaveListToFile(form.ListBox1, ListName);
    DeleteTree(TempFolder.substr(0, TempFolder.size() - 1));
  } catch (const AppError&) {
    // No list file to write (an archive start): the extracted members stay
    // until a later exit deletes them.
  }
}

}  // namespace

void SaveState(TForm1& form) {
  SaveState(form, wallpaperRoute && ListName.empty() ? SaveScope::WindowAndOptions : SaveScope::Everything);
}

void DeleteTree(const std::string& folder) {
  Application::ProcessMessages();
  ForEachEntry(folder + "\\*.*", [&](const FolderEntry& found) {
    std::string path = folder + "\\" + found.name;
    if (!(found.attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      DeleteFileA(path.c_str());
    } else if (IsLinkedFolder(found.attributes, found.reparseTag)) {
      // A junction or link to a folder goes, what it leads to stays.
      RemoveDirectoryA(path.c_str());
    } else {
      DeleteTree(path);
    }
  });
  if (FolderExists(folder)) RemoveDirectoryA(folder.c_str());
}

void TForm1::FormCreate() {
  com_.emplace();
  StartUp(*this);
}

void TForm1::FormClose() {
  com_.reset();
  SaveState(*this);
}

void TForm1::X1Click() {
  SaveState(*this);
  SendMessageA(Handle(), WM_CLOSE, 0, 0);
}
