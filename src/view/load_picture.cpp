#include <windows.h>

#include "app/app_error.h"
#include "app/app_state.h"
#include "archive/archive_entries.h"
#include "archive/archive_paths.h"
#include "view/fit.h"
#include "view/form1.h"
#include "view/picture_caption.h"

namespace {

bool FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

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
    EnablePictureCommands(true);
    int index = ListBox1.Selected();
    if (ListBox1.Count() == 0 || index < 0) {
      Image1.Hide();
      return;
    }
    Image1.Show();
    std::string entry = ListBox1.At(index);
    bool member = IsArchiveMember(entry);
    std::string extracted;
    if (member) {
      extracted = ExtractArchiveMember(entry);
    } else if (!FileExists(entry)) {
      DropEntry(index);
      continue;
    }

    try {
      Image1.picture.LoadFromFile(member ? extracted : entry);
    } catch (const AppError&) {
      if (!member) {
        DropEntry(index);
        continue;
      }
      // A member stays listed, and its extracted file stays for a look.
      Image1.SetFree();
      Image1.SetWidth(0);
      EnablePictureCommands(false);
      return;
    }
    if (!extracted.empty()) DeleteFileA(extracted.c_str());
    Image1.Invalidate();

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
    SetCaption(PictureCaption({ListName, entry, picture.Width(), picture.Height(), fit.scale, index,
                               ListBox1.Count(), separator}));
    Image1.Show();
    return;
  }
}

void TForm1::DropEntry(int index) {
  ListBox1.Remove(index);
  ListBox1.Select(index - 1);
  MessageBeep(MB_OK);
  SetCaption(std::to_string(ListBox1.Count()));
}
