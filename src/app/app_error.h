#pragma once
// The one kind of failure the program reports: its text is the message the
// user sees in the general error box, as Shift-JIS bytes.

#include <stdexcept>
#include <string>
#include <string_view>

class AppError : public std::runtime_error {
 public:
  explicit AppError(const std::string& message) : std::runtime_error(message) {}
};

// The failure to make a bitmap of a size: the platform's, or one that no
// memory or file format of the program can hold.
inline constexpr const char* kCannotMakeBitmap = "ビットマップを作成できません";

// pattern with its first "%s" or "%d" replaced by value.
std::string FillIn(std::string_view pattern, std::string_view value);

// The text of the general error box: "." is appended when the last byte
// sorts after ".", so "...できません" reads "...できません.".
std::string ErrorBoxText(std::string_view message);

// The application's title from the executable's file name: the text up to
// its first ".", every character after the first in lower case.
std::string ApplicationTitle(std::string_view exeFileName);
