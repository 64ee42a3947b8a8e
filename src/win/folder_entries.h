#pragma once
// The one way the program walks a folder: every entry the platform lists
// for a pattern, without "." and "..", in the platform's order. The listing
// is closed on every way out, an exception from visit included.

#include <windows.h>

#include <functional>
#include <string>

// Calls visit for each entry matching pattern (a folder + "\*.*").
void ForEachEntry(const std::string& pattern, const std::function<void(const WIN32_FIND_DATAA&)>& visit);
