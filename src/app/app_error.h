#pragma once
// The one kind of failure the program reports: its text is the message the
// user sees in the general error box, as Shift-JIS bytes.

#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <string_view>

class AppError : public std::runtime_error {
 public:
  explicit AppError(const std::string& message) : std::runtime_error(message) {}
};

// The messages of failures. A %s or %d is filled in by FillIn.
inline constexpr const char* kCannotOpenFile = "ファイル %s は開けません";
inline constexpr const char* kCannotCreateFile = "ファイル %s を作成できません";
inline constexpr const char* kReadError = "ストリームの読み込みエラー";
inline constexpr const char* kWriteError = "ストリームへの書き込みエラー";
inline constexpr const char* kCannotWriteSettings = "%s に書き込めません";
inline constexpr const char* kCannotInsertLine = "行を挿入できません";
inline constexpr const char* kListIndexOutOfBounds = "リストのインデックスが範囲を超えています (%d)";
inline constexpr const char* kInvalidFloatOperation = "不正な浮動小数点数演算命令";
inline constexpr const char* kUnknownPictureKind = "画像形式が不明です (%s)";
inline constexpr const char* kCannotCreateKey = "キー %s の作成に失敗しました";
inline constexpr const char* kCannotSetValue = "'%s' の設定に失敗しました";

// The failure to make a bitmap of a size: the platform's, or one that no
// memory or file format of the program can hold.
inline constexpr const char* kCannotMakeBitmap = "ビットマップを作成できません";

// The failure to get memory for a picture, a list or a file, or for a size
// no container can hold: a failed read like any other where reads fail
// quietly, and this text where the error box shows it.
inline constexpr const char* kOutOfMemory = "メモリが足りません";
// A picture file that cannot be read as its kind; %s is its path.
inline constexpr const char* kDamagedPicture = "画像ファイル %s は壊れています";

// Runs work with a lack of memory (std::bad_alloc, or std::length_error for
// a size no container holds) turned into AppError(kOutOfMemory).
template <class Work>
decltype(auto) LackOfMemoryAsAppError(Work&& work) {
  try {
    return work();
  } catch (const std::bad_alloc&) {
    throw AppError(kOutOfMemory);
  } catch (const std::length_error&) {
    throw AppError(kOutOfMemory);
  }
}

// The text a failure shows the user: its own, or kOutOfMemory for a lack of
// memory, never the library's English name for it.
std::string MessageOf(const std::exception& error);

// pattern with its first "%s" or "%d" replaced by value.
std::string FillIn(std::string_view pattern, std::string_view value);

// The text of the general error box: "." is appended when the last byte
// sorts after ".", so "...できません" reads "...できません.".
std::string ErrorBoxText(std::string_view message);

// The application's title from the executable's file name: the text up to
// its first ".", every character after the first in lower case, as
// lowerCase (the platform's, for the user's code page) makes it.
std::string ApplicationTitle(std::string_view exeFileName,
                             const std::function<std::string(std::string_view)>& lowerCase);
