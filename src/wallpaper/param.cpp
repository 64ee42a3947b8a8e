// The command line's wallpaper mode.
#include "app/app_error.h"
#include "app/application.h"
#include "app/lifecycle.h"
#include "app/settings_file.h"
#include "archive/archive_entries.h"
#include "archive/archive_paths.h"
#include "view/form1.h"

void TForm1::Param(const std::string& entry) {
  {
    SettingsFile settings;  // released before the picture is read
    RestoreWindowAndOptions(*this, settings, false);
  }
  // An extracted member stays in TempFolder: no SaveState deletes it here.
  std::string path = IsArchiveMember(entry) ? ExtractArchiveMember(Handle(), entry) : entry;
  try {
    Image1.picture.LoadFromFile(path);
  } catch (const AppError&) {
    // On the wallpaper route this writes the window and the options only: a
    // mistyped picture never costs the user the last list.
    SaveState(*this);
    Application::Terminate();
    return;
  }
  kabegami();
  Application::Terminate();
}
