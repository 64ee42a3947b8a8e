#include "list/list_codec.h"

std::string EncodeListFile(const std::vector<std::string>& entries) {
  std::size_t size = 0;
  for (const auto& entry : entries) size += entry.size() + 2;
  std::string text;
  text.reserve(size);
  for (const auto& entry : entries) {
    text += entry;
    text += "\r\n";
  }
  return text;
}

std::vector<std::string> DecodeListFile(std::string_view bytes) {
  std::vector<std::string> entries;
  std::size_t pos = 0;
  while (pos < bytes.size() && bytes[pos] != '\0') {
    std::size_t end = bytes.find_first_of(std::string_view("\r\n\0", 3), pos);
    if (end == std::string_view::npos) end = bytes.size();
    entries.emplace_back(bytes.substr(pos, end - pos));
    pos = end;
    if (pos < bytes.size() && bytes[pos] == '\r') ++pos;
    if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
  }
  return entries;
}
