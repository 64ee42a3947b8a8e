#pragma once
// Cuts the program's one argument out of the raw command line.

#include <string>
#include <string_view>

// Splits the raw command line the way the shell quotes it: bytes 1 to 32
// separate tokens, an empty pair of quotes is skipped, quoted parts keep
// their blanks and lose their quotes. Returns the second token (the first
// is the program's path), or an empty text when there is none. A token is
// never cut inside: the platform bounds the whole line at 32,767 characters.
std::string FirstArgument(std::string_view commandLine);
