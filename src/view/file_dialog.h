#pragma once
// The platform's single-file open and save dialogs, set up as the window's
// design has them: no initial folder, no title of its own, no overwrite
// question, the read-only box hidden. Each opens on the filter entry chosen
// at its last successful use, the first one at first.

#include <windows.h>

#include <optional>
#include <string>

struct FileDialog {
  enum class Kind { Open, Save } kind;
  const char* filter;            // description|pattern pairs separated by "|"
  const char* defaultExtension;  // ".pvl", or nullptr for none
  bool picturePreview = false;   // the selected picture fitted beside the files
  // The filter entry chosen at the last successful use, from 1.
  mutable DWORD filterIndex = 1;
};

inline constexpr const char* kPictureFilter =
    "すべてのファイル (*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf)|*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf|"
    "JPEG イメージファイル (*.jpg)|*.jpg|JPEG イメージファイル (*.jpeg)|*.jpeg|ビットマップ (*.bmp)|*.bmp|"
    "アイコン (*.ico)|*.ico|エンハンス メタファイル (*.emf)|*.emf|メタファイル (*.wmf)|*.wmf";

// The window's dialogs. SavePictureDialog1 takes its filter anew on each use.
inline const FileDialog OpenPictureDialog1{FileDialog::Kind::Open, kPictureFilter, nullptr, true};
inline const FileDialog SavePictureDialog1{FileDialog::Kind::Save, kPictureFilter, nullptr, true};
inline const FileDialog SaveDialog1{FileDialog::Kind::Save, "ｼｮｰﾄｶｯﾄ", nullptr};
inline const FileDialog OpenDialog1{FileDialog::Kind::Open, "書庫ﾌｧｲﾙ(*.lzh)|*.lzh", nullptr};
inline const FileDialog SaveDialog2{FileDialog::Kind::Save, "画像一覧ファイル|*.pvl", ".pvl"};
inline const FileDialog OpenDialog2{FileDialog::Kind::Open, "画像一覧|*.pvl", nullptr};

// The chosen path, or nothing when the user cancels.
std::optional<std::string> ShowFileDialog(HWND owner, const FileDialog& dialog, const std::string& fileName);
