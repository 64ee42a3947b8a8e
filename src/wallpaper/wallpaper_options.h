#pragma once
// The option switches' captions: "* " in front while the option is on.

#include <string>
#include <string_view>

inline constexpr std::string_view kOptionMark = "* ";

// The caption after switching: an option that was on loses the caption's
// first two bytes unchecked and keeps at most 100 bytes after them; one
// that was off gains the mark.
std::string CaptionAfterSwitch(std::string_view caption, bool wasOn);
