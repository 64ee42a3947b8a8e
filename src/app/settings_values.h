#pragma once
// How values stored in the settings file are read back and written.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Integer text: leading blanks, then an optional sign and decimal digits, or
// hexadecimal digits after "$", "x" or "0x" (either case, no sign), and
// nothing after the digits. Decimal must fit in 32 signed bits; hexadecimal
// up to FFFFFFFF, the upper half giving the negative value of that pattern.
std::optional<std::int32_t> ParseSettingsInteger(std::string_view text);

// The stored text as an integer, or fallback when it is in no accepted form.
std::int32_t SettingsIntegerOr(std::string_view text, std::int32_t fallback);

// Booleans are stored as integers: any non-zero value is true.
bool SettingsBooleanOr(std::string_view text, bool fallback);

std::string SettingsIntegerText(std::int32_t value);
std::string SettingsBooleanText(bool value);
