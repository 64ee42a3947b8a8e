#include "view/file_dialog.h"

#include <cderr.h>
#include <commdlg.h>

#include <memory>
#include <vector>

#include "app/app_error.h"
#include "picture/picture.h"
#include "view/dialog_filter.h"
#include "view/fit.h"
#include "view/resource_ids.h"
#include "view/splitter_width.h"
#include "win/code_page.h"
#include "win/window.h"

namespace {

// The picture under the dialog's selection, read again on every change.
struct Preview {
  std::unique_ptr<Picture> picture;
};

void ShowSelection(HWND page, Preview& preview) {
  wchar_t path[MAX_PATH * 4] = L"";
  SendMessageW(GetParent(page), CDM_GETFILEPATH, MAX_PATH * 4, reinterpret_cast<LPARAM>(path));
  std::unique_ptr<Picture> picture;
  std::string size;
  if (auto entry = EntryPath(path)) {
    picture = std::make_unique<Picture>();
    try {
      picture->LoadFromFile(*entry);
      size = std::to_string(picture->Width()) + " x " + std::to_string(picture->Height());
    } catch (const AppError&) {
      picture.reset();  // a folder, another kind of file, a damaged picture: no preview
    }
  }
  preview.picture = std::move(picture);
  SetDlgItemTextA(page, kPreviewSize, size.c_str());
  WindowRef(GetDlgItem(page, kPreviewFrame)).Invalidate(true);
}

void DrawPreview(const DRAWITEMSTRUCT& item, Preview& preview) {
  RECT frame = item.rcItem;
  FillRect(item.hDC, &frame, GetSysColorBrush(COLOR_BTNFACE));
  InflateRect(&frame, -2, -2);  // clear of the sunken edge
  Picture* picture = preview.picture.get();
  int width = frame.right - frame.left, height = frame.bottom - frame.top;
  if (!picture || picture->Width() <= 0 || picture->Height() <= 0 || width <= 0 || height <= 0) return;
  // Fitted as the main view fits it, with no list beside it, and centred
  // both ways.
  Fit fit = FitPicture(width, height, picture->Width(), picture->Height(), -kSplitterWidth);
  int top = frame.top + (height - fit.height) / 2;
  RECT bounds{frame.left + fit.left, top, frame.left + fit.left + fit.width, top + fit.height};
  try {
    picture->Draw(item.hDC, bounds);
  } catch (const AppError&) {
    SetDlgItemTextA(GetParent(item.hwndItem), kPreviewSize, "表示できません");
  }
}

UINT_PTR CALLBACK PreviewHook(HWND page, UINT message, WPARAM, LPARAM lParam) {
  // The dialog's own structure comes with WM_INITDIALOG, the preview in it.
  LPARAM bound = message == WM_INITDIALOG ? reinterpret_cast<const OPENFILENAMEW*>(lParam)->lCustData : 0;
  auto* preview = DialogObject<Preview>(page, message, bound);
  switch (message) {
    case WM_INITDIALOG: return TRUE;
    case WM_NOTIFY:
      if (preview && reinterpret_cast<const NMHDR*>(lParam)->code == CDN_SELCHANGE) ShowSelection(page, *preview);
      return 0;
    case WM_DRAWITEM:
      if (!preview) return FALSE;
      DrawPreview(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), *preview);
      return TRUE;
  }
  return 0;
}

}  // namespace

std::optional<std::string> ShowFileDialog(HWND owner, const FileDialog& dialog, const std::string& fileName) {
  // The wide dialog gives the chosen name as it is; the ANSI one would give
  // a best-fit guess for a name the code page cannot spell.
  std::wstring filter = WideOf(PlatformFilter(dialog.filter));
  std::wstring defaultExtension = dialog.defaultExtension ? WideOf(dialog.defaultExtension + 1) : L"";
  std::vector<wchar_t> name(32768, L'\0');
  Preview preview;
  auto present = [&](const std::string& preset) {
    std::fill(name.begin(), name.end(), L'\0');
    WideOf(preset).copy(name.data(), name.size() - 1);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = dialog.filterIndex;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    // The process's current folder, against which a relative list name such
    // as 新規.pvl is saved at exit, must not follow the folders the user
    // browses, or the next start would not find that list.
    ofn.Flags = OFN_HIDEREADONLY | OFN_EXPLORER | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    // The extension is given with its dot; the platform wants it without.
    if (dialog.defaultExtension) ofn.lpstrDefExt = defaultExtension.c_str();
    if (dialog.picturePreview) {
      ofn.Flags |= OFN_ENABLEHOOK | OFN_ENABLETEMPLATE;
      ofn.hInstance = GetModuleHandleW(nullptr);
      ofn.lpTemplateName = MAKEINTRESOURCEW(kPreviewTemplate);
      ofn.lpfnHook = &PreviewHook;
      ofn.lCustData = reinterpret_cast<LPARAM>(&preview);
    }
    BOOL chosen = dialog.kind == FileDialog::Kind::Open ? GetOpenFileNameW(&ofn) : GetSaveFileNameW(&ofn);
    if (chosen) dialog.filterIndex = ofn.nFilterIndex;
    return chosen;
  };
  BOOL chosen = present(fileName);
  // A preset name the dialog cannot take (a stale path, a bad character)
  // must not keep the dialog from opening.
  if (!chosen && CommDlgExtendedError() == FNERR_INVALIDFILENAME) chosen = present("");
  if (!chosen) return std::nullopt;
  auto path = EntryPath(name.data());
  // A new name the code page cannot spell has no short name yet to stand in.
  if (!path) MessageBeep(MB_OK);
  return path;
}
