#include "app/app_error.h"

#include <algorithm>

#include "app/shift_jis.h"

std::string FillIn(std::string_view pattern, std::string_view value) {
  std::size_t at = std::min(pattern.find("%s"), pattern.find("%d"));
  if (at == std::string_view::npos) return std::string(pattern);
  std::string result(pattern.substr(0, at));
  result += value;
  result += pattern.substr(at + 2);
  return result;
}

std::string MessageOf(const std::exception& error) {
  if (dynamic_cast<const std::bad_alloc*>(&error) || dynamic_cast<const std::length_error*>(&error)) {
    return kOutOfMemory;
  }
  return error.what();
}

std::string ErrorBoxText(std::string_view message) {
  std::string text(message);
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  return text;
}

std::string ApplicationTitle(std::string_view exeFileName,
                             const std::function<std::string(std::string_view)>& lowerCase) {
  std::string_view title = exeFileName.substr(0, exeFileName.find('.'));
  if (title.empty()) return {};
  std::size_t first = std::min(CharLengthAt(title, 0), title.size());
  return std::string(title.substr(0, first)) + lowerCase(title.substr(first));
}
