#include "view/dialog_filter.h"

#include "app/shift_jis.h"

std::string PlatformFilter(std::string_view filter) {
  std::string text(filter);
  for (std::size_t i = 0; i < text.size(); i += CharLengthAt(text, i)) {
    if (text[i] == '|' && CharLengthAt(text, i) == 1) text[i] = '\0';
  }
  text.push_back('\0');
  return text;
}
