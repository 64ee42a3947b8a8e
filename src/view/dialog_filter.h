#pragma once
// The file dialogs' filters, written "text|pattern|text|pattern".

#include <string>
#include <string_view>

// The filter as the platform takes it: every "|" that is not the second
// byte of a double-byte character becomes a NUL, and a second NUL ends it.
std::string PlatformFilter(std::string_view filter);
