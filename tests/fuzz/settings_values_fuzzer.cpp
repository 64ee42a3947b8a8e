// Any text read back as a stored setting. What a user relies on: whatever
// the program stores it reads back unchanged, and a text it accepts keeps
// its value when stored again.
#include <cstdint>
#include <cstring>
#include <string_view>

#include "app/settings_values.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const auto value = ParseSettingsInteger(text)) {
    FUZZ_CHECK(ParseSettingsInteger(SettingsIntegerText(*value)) == value);
    FUZZ_CHECK(SettingsBooleanOr(text, false) == (*value != 0));
  } else {
    FUZZ_CHECK(SettingsIntegerOr(text, 12345) == 12345);
    FUZZ_CHECK(SettingsBooleanOr(text, true));
    FUZZ_CHECK(!SettingsBooleanOr(text, false));
  }
  // Any value, as the window's position or size or an index may hold.
  if (size >= 4) {
    std::int32_t value;
    std::memcpy(&value, data, 4);
    FUZZ_CHECK(ParseSettingsInteger(SettingsIntegerText(value)) == value);
    FUZZ_CHECK(SettingsBooleanOr(SettingsBooleanText(value != 0), value == 0) == (value != 0));
  }
  return 0;
}
