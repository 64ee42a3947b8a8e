#include "app/settings_file.h"

#include <windows.h>

#include <vector>

#include "app/app_error.h"
#include "app/app_state.h"
#include "app/folders.h"
#include "app/platform.h"
#include "app/settings_values.h"

namespace {
constexpr const char* kSection = "MySystem";
constexpr DWORD kLongestValue = 1 << 20;
}  // namespace

SettingsFile::SettingsFile() : path_(SettingsPathFor(DataFolder, ExecutablePath())) {}

SettingsFile::~SettingsFile() {
  if (written_) WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str());
}

std::string SettingsFile::ReadString(const char* key, const std::string& fallback) const {
  // The profile call cuts a value at its buffer; grow the buffer until the
  // whole value fits, so long paths come back whole.
  std::vector<char> buffer(2048);
  for (;;) {
    DWORD length = GetPrivateProfileStringA(kSection, key, fallback.c_str(), buffer.data(),
                                            static_cast<DWORD>(buffer.size()), path_.c_str());
    if (length + 1 < buffer.size() || buffer.size() >= kLongestValue) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

std::int32_t SettingsFile::ReadInteger(const char* key, std::int32_t fallback) const {
  return SettingsIntegerOr(ReadString(key, ""), fallback);
}

bool SettingsFile::ReadBool(const char* key, bool fallback) const {
  return SettingsBooleanOr(ReadString(key, ""), fallback);
}

void SettingsFile::WriteString(const char* key, const std::string& value) {
  if (!WritePrivateProfileStringA(kSection, key, value.c_str(), path_.c_str())) {
    throw AppError(FillIn(kCannotWriteSettings, path_));
  }
  written_ = true;
}

void SettingsFile::WriteInteger(const char* key, std::int32_t value) { WriteString(key, SettingsIntegerText(value)); }

void SettingsFile::WriteBool(const char* key, bool value) { WriteString(key, SettingsBooleanText(value)); }
