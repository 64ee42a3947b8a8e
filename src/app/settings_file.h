#pragma once
// The settings file: section "MySystem" of an INI file in DataFolder named
// after the running executable, read and written through the profile calls.

#include <cstdint>
#include <string>

class SettingsFile {
 public:
  SettingsFile();   // the path is worked out anew from DataFolder and the executable
  ~SettingsFile();  // flushes what was written

  SettingsFile(const SettingsFile&) = delete;
  SettingsFile& operator=(const SettingsFile&) = delete;

  // A key present with an empty value gives the empty text, not fallback.
  std::string ReadString(const char* key, const std::string& fallback) const;
  std::int32_t ReadInteger(const char* key, std::int32_t fallback) const;
  bool ReadBool(const char* key, bool fallback) const;

  // Each throws "%s に書き込めません" with the file's path when refused.
  void WriteString(const char* key, const std::string& value);
  void WriteInteger(const char* key, std::int32_t value);
  void WriteBool(const char* key, bool value);

 private:
  std::string path_;
  bool written_ = false;
};
