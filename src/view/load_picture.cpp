#include <windows.h>

#include "app/app_error.h"
#include "app/app_state.h"
#include "app/platform.h"
#include "archive/archive_entries.h"
#include "archive/archive_paths.h"
#include "view/fit.h"
#include "view/form1.h"
#include "view/picture_caption.h"

namespace {

std::string DecimalSeparator() {
  char separator[8] = "";
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator);
  return separator[0] ? separator : ".";
}

}  // namespace

// Shows the selected entry fitted into the view area. An entry that cannot
// be read is dropped and the one above it tried next; this is a loop rather
// than a call per dropped entry, so a long run of missing files cannot
// exhaust the stack.
void TForm1::LoadPicture() {
  for (;;) {
    auto file = PrepareSelectedEntry();
    if (!file) {
      Image1.Hide();
      return;
    }
    switch (ReadEntryFile(*file)) {
      case EntryRead::Read: LayOutPicture(*file); return;
      case EntryRead::Dropped: continue;
      case EntryRead::Failed: return;
    }
  }
}

// Readies the view for the selected entry and finds the file to read: the
// entry's own, or the archive member's copy, extracted here. On the way it
// enables the picture commands, shows the view, and drops each entry whose
// file is gone; nothing when no entry is selected.
std::optional<TForm1::EntryFile> TForm1::PrepareSelectedEntry() {
  for (;;) {
    EnablePictureCommands(true);
    int index = ListBox1.Selected();
    if (ListBox1.Count() == 0 || index < 0) return std::nullopt;
    Image1.Show();
    std::string entry = ListBox1.At(index);
    if (IsArchiveMember(entry)) return EntryFile{index, entry, ExtractArchiveMember(Handle(), entry), true};
    if (FileExists(entry)) return EntryFile{index, entry, entry, false};
    DropEntry(index);
  }
}

// Reads the file into the view. An unreadable file drops its entry; an
// unreadable member stays listed, its extracted file kept for a look, and
// leaves the view empty with the picture commands greyed.
TForm1::EntryRead TForm1::ReadEntryFile(const EntryFile& file) {
  try {
    Image1.picture.LoadFromFile(file.path);
  } catch (const AppError&) {
    if (!file.extracted) {
      DropEntry(file.index);
      return EntryRead::Dropped;
    }
    Image1.SetFree();
    Image1.SetWidth(0);
    EnablePictureCommands(false);
    return EntryRead::Failed;
  }
  if (file.extracted && !file.path.empty()) DeleteFileA(file.path.c_str());
  Image1.Invalidate();
  return EntryRead::Read;
}

// Fits the view to the picture beside the list and captions the window.
void TForm1::LayOutPicture(const EntryFile& file) {
  RECT area = ViewArea();
  Image1.AlignToClient(area);
  int viewWidth = area.right - area.left;
  int viewHeight = area.bottom - area.top;
  const Picture& picture = Image1.picture;
  if (picture.Width() == 0 || viewWidth == 0) return;

  Fit fit = FitPicture(viewWidth, viewHeight, picture.Width(), picture.Height(), listWidth_);
  Image1.SetFree();
  Image1.SetHeight(fit.height);
  Image1.SetWidth(fit.width);
  Image1.SetLeft(fit.left);
  std::string separator = DecimalSeparator();
  SetText(PictureCaption(
      {ListName, file.entry, picture.Width(), picture.Height(), fit.scale, file.index, ListBox1.Count(), separator}));
  Image1.Show();
}

void TForm1::DropEntry(int index) {
  ListBox1.Remove(index);
  ListBox1.Select(index - 1);
  MessageBeep(MB_OK);
  SetText(std::to_string(ListBox1.Count()));
}
