#include "view/file_dialog.h"

#include <cderr.h>
#include <commdlg.h>

#include <vector>

#include "app/shift_jis.h"

namespace {

// The filter as the platform takes it: every "|" that is not the second
// byte of a double-byte character becomes a NUL, and a second NUL ends it.
std::string PlatformFilter(const char* filter) {
  std::string text(filter);
  for (std::size_t i = 0; i < text.size(); i += CharLengthAt(text, i)) {
    if (text[i] == '|' && CharLengthAt(text, i) == 1) text[i] = '\0';
  }
  text.push_back('\0');
  return text;
}

}  // namespace

std::optional<std::string> ShowFileDialog(HWND owner, const FileDialog& dialog, const std::string& fileName) {
  std::string filter = PlatformFilter(dialog.filter);
  std::vector<char> name(32768, '\0');
  auto present = [&](const std::string& preset) {
    std::fill(name.begin(), name.end(), '\0');
    preset.copy(name.data(), name.size() - 1);
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    // The process's current folder, against which a relative list name such
    // as 新規.pvl is saved at exit, must not follow the folders the user
    // browses, or the next start would not find that list.
    ofn.Flags = OFN_HIDEREADONLY | OFN_EXPLORER | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    // The extension is given with its dot; the platform wants it without.
    if (dialog.defaultExtension) ofn.lpstrDefExt = dialog.defaultExtension + 1;
    return dialog.kind == FileDialog::Kind::Open ? GetOpenFileNameA(&ofn) : GetSaveFileNameA(&ofn);
  };
  BOOL chosen = present(fileName);
  // A preset name the dialog cannot take (a stale path, a bad character)
  // must not keep the dialog from opening.
  if (!chosen && CommDlgExtendedError() == FNERR_INVALIDFILENAME) chosen = present("");
  if (!chosen) return std::nullopt;
  return std::string(name.data());
}
