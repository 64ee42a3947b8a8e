#pragma once
// Shift-JIS (code page 932) byte rules shared by the path and text helpers.

#include <cstddef>
#include <string>
#include <string_view>

// True for a byte that starts a double-byte character; the byte after it is
// its second half, which may be any of "\", ":" or ".".
inline bool IsShiftJisLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Length in bytes of the character that starts at text[i].
inline std::size_t CharLengthAt(std::string_view text, std::size_t i) {
  return IsShiftJisLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

// True when the text's last character is "\" or "/" (not the second half of
// a double-byte character).
inline bool EndsInPathSeparator(std::string_view text) {
  std::size_t last = std::string_view::npos;
  for (std::size_t i = 0; i < text.size(); i += CharLengthAt(text, i)) last = i;
  return last != std::string_view::npos && CharLengthAt(text, last) == 1 && (text[last] == '\\' || text[last] == '/');
}

// The text with its single-byte letters in upper case, as the Japanese
// locale upper-cases: double-byte characters stay as they are.
inline std::string UpperCase(std::string_view text) {
  std::string result(text);
  for (std::size_t i = 0; i < result.size(); i += CharLengthAt(result, i)) {
    if (result[i] >= 'a' && result[i] <= 'z') result[i] = static_cast<char>(result[i] - 'a' + 'A');
  }
  return result;
}
