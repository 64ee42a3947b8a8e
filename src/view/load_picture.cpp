#include <windows.h>

#include <map>
#include <utility>

#include "app/app_error.h"
#include "app/app_state.h"
#include "app/folders.h"
#include "app/platform.h"
#include "app/shift_jis.h"
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

// An entry whose file is not found may be gone, or lie on a volume that is
// away for now (a card reader without its card, a share offline, a USB
// stick unplugged): only the first is dropped. A volume that does not
// answer can take many seconds per question, so each is asked once.
class TForm1::Volumes {
 public:
  bool Answer(const std::string& entry) {
    std::string root = VolumeRootOf(entry);
    std::string key = UpperCase(root);
    auto known = answers_.find(key);
    if (known == answers_.end()) known = answers_.emplace(std::move(key), VolumeAnswers(root)).first;
    return known->second;
  }

 private:
  std::map<std::string, bool> answers_;  // by upper-cased root
};

// Shows the selected entry fitted into the view area. An entry that cannot
// be read is dropped and the one above it tried next; this is a loop rather
// than a call per dropped entry, so a long run of missing files cannot
// exhaust the stack.
void TForm1::LoadPicture() {
  Volumes volumes;
  for (;;) {
    auto file = PrepareSelectedEntry(volumes);
    if (!file) {
      Image1.Hide();
      return;
    }
    switch (ReadEntryFile(*file, volumes)) {
      case EntryRead::Read: LayOutPicture(*file); return;
      case EntryRead::Dropped: continue;
      case EntryRead::Failed: return;
    }
  }
}

// Readies the view for the selected entry and finds the file to read: the
// entry's own, or the archive member's copy, extracted here. On the way it
// enables the picture commands, shows the view, and drops each entry whose
// file is gone from a volume that is there; nothing when no entry is
// selected.
std::optional<TForm1::EntryFile> TForm1::PrepareSelectedEntry(Volumes& volumes) {
  for (;;) {
    EnablePictureCommands(true);
    int index = ListBox1.Selected();
    if (ListBox1.Count() == 0 || index < 0) return std::nullopt;
    Image1.Show();
    std::string entry = ListBox1.At(index);
    if (IsArchiveMember(entry)) {
      return EntryFile{index, entry, ExtractArchiveMember(Handle(), entry), EntrySource::Extracted};
    }
    if (FileExists(entry)) return EntryFile{index, entry, entry, EntrySource::Listed};
    if (!volumes.Answer(entry)) return EntryFile{index, entry, "", EntrySource::VolumeAway};
    DropEntry(index);
  }
}

// Reads the file into the view. An unreadable file drops its entry; an
// unreadable member stays listed, its extracted file kept for a look, and
// collapses the view, as does an entry whose volume is away, or went away
// while it was read.
TForm1::EntryRead TForm1::ReadEntryFile(const EntryFile& file, Volumes& volumes) {
  if (file.source == EntrySource::VolumeAway) {
    CollapseView();
    return EntryRead::Failed;
  }
  try {
    Image1.picture.LoadFromFile(file.path);
  } catch (const AppError&) {
    if (file.source == EntrySource::Listed && volumes.Answer(file.entry)) {
      DropEntry(file.index);
      return EntryRead::Dropped;
    }
    CollapseView();
    return EntryRead::Failed;
  }
  if (file.source == EntrySource::Extracted && !file.path.empty()) DeleteFileA(file.path.c_str());
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

void TForm1::CollapseView() {
  Image1.SetFree();
  Image1.SetWidth(0);
  EnablePictureCommands(false);
}

void TForm1::DropEntry(int index) {
  ListBox1.Remove(index);
  ListBox1.Select(index - 1);
  MessageBeep(MB_OK);
  SetText(std::to_string(ListBox1.Count()));
}
