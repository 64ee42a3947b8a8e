// The File menu's commands that add pictures to the list, and the drop of
// files from the shell, which gathers each item as its command would.
#include <algorithm>

#include "app/app_state.h"
#include "app/path_rules.h"
#include "app/platform.h"
#include "list/gathering.h"
#include "list/picture_list.h"
#include "picture/picture_kind.h"
#include "view/file_dialog.h"
#include "view/folder_dialog.h"
#include "view/form1.h"

namespace {

// The name each dialog offers when nothing else is preset: the one chosen
// at its last use.
std::string lastPictureName;
std::string lastArchiveName;

// A drive root is handed to the scan as its letter and colon, so that its
// entries read C:\name.
std::string AsScannedFolder(std::string folder) {
  if (folder.size() == 3 && folder[2] == '\\') folder.resize(2);
  return folder;
}

enum class DroppedKind { NoEntry, Folder, List, Archive, Picture, Other };

DroppedKind KindOfDropped(const std::optional<std::string>& path) {
  if (!path) return DroppedKind::NoEntry;
  if (FolderExists(*path)) return DroppedKind::Folder;
  if (HasExtension(*path, ".pvl")) return DroppedKind::List;
  if (HasExtension(*path, ".lzh")) return DroppedKind::Archive;
  if (PictureKindOfName(*path) != PictureKind::None) return DroppedKind::Picture;
  return DroppedKind::Other;
}

}  // namespace

void TForm1::Open1Click() { OpenPictureFile(); }
void TForm1::Z1Click() { OpenLzhFile(); }
void TForm1::N1Click() { OpenFolder(); }

void TForm1::OpenPictureFile() {
  int selected = ListBox1.Selected();
  auto path = ShowFileDialog(Handle(), OpenPictureDialog1, selected >= 0 ? ListBox1.At(selected) : lastPictureName);
  if (!path) return;
  lastPictureName = *path;
  int found = ListBox1.Find(*path);
  if (found < 0) {
    ListBox1.Append(*path);
  } else {
    ListBox1.Select(found);
  }
  LoadPicture();
}

void TForm1::OpenLzhFile() {
  auto path = ShowFileDialog(Handle(), OpenDialog1, lastArchiveName);
  if (!path) return;
  lastArchiveName = *path;
  if (!HasExtension(*path, ".lzh")) return;
  AddArchivePictures(ListBox1, *path);
  ShowGatheredList();
}

void TForm1::OpenFolder() {
  CurrentFolder.clear();
  if (auto folder = ChooseFolder(Handle())) CurrentFolder = *folder;
  if (CurrentFolder.empty()) return;
  CurrentFolder = AsScannedFolder(CurrentFolder);
  ScanFolder(ListBox1, CurrentFolder);
  ShowGatheredList();
}

void TForm1::ShowGatheredList() {
  SetText(std::to_string(ListBox1.Count()));
  ListBox1.Select(0);
  LoadPicture();
}

void TForm1::FormDropFiles(const std::vector<std::optional<std::string>>& files) {
  std::vector<DroppedKind> kinds;
  for (const auto& file : files) kinds.push_back(KindOfDropped(file));
  // A list replaces the list, so it opens before the other items gather
  // into it; a second list in the same drop cannot also replace it.
  auto list = std::find(kinds.begin(), kinds.end(), DroppedKind::List);
  std::size_t listIndex = static_cast<std::size_t>(list - kinds.begin());
  bool listOpened = list != kinds.end();
  if (listOpened) LoadListFile(*files[listIndex]);

  bool refused = false;  // a file of no kind the program takes
  bool added = false;
  // The first entry the drop added or found. A scan later in the same drop
  // handles messages, and what runs meanwhile may change the list.
  std::optional<ListedEntry> first;
  auto gathered = [&](std::optional<ListedEntry> entry, bool appended) {
    if (!entry) return;
    added = added || appended;
    if (!first) first = std::move(entry);
  };
  {
    GrowingList growing(ListBox1);  // redrawn once, before the display
    for (std::size_t i = 0; i < files.size(); ++i) {
      if (listOpened && i == listIndex) continue;
      switch (kinds[i]) {
        case DroppedKind::NoEntry: MessageBeep(MB_OK); break;
        case DroppedKind::Folder:
          CurrentFolder = AsScannedFolder(*files[i]);
          gathered(ScanFolder(ListBox1, CurrentFolder), true);
          break;
        case DroppedKind::Archive: gathered(AddArchivePictures(ListBox1, *files[i]), true); break;
        case DroppedKind::Picture:
          if (int found = ListBox1.Find(*files[i]); found >= 0) {
            gathered(ListedEntry{found, ListBox1.At(found)}, false);
          } else {
            gathered(ListedEntry{ListBox1.Append(*files[i]), *files[i]}, true);
          }
          break;
        case DroppedKind::List:
        case DroppedKind::Other: refused = true; break;
      }
    }
  }
  if (refused) MessageBeep(MB_OK);

  // Shown once, after the whole drop.
  if (first) {
    if (added) SetText(std::to_string(ListBox1.Count()));
    if (int index = IndexNow(ListBox1, *first); index >= 0) ListBox1.Select(index);
    LoadPicture();
  } else if (listOpened) {
    LoadPicture();
  }
}
