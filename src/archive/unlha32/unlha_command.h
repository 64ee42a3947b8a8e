#pragma once
// The command line our archive library takes: a command, switches starting
// with "-", the archive, the destination folder (ending in "\" or "/") and
// member names. A piece in double quotes may hold spaces, and is a name even
// when it starts with "-".

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct UnlhaCommand {
  std::string command;
  std::string archive;
  std::string folder;  // empty: the current folder
  std::vector<std::string> members;
};

// Nothing when the line names no command or no archive, or can be read in
// more than one way (see Split): a library that guesses could be steered.
std::optional<UnlhaCommand> ParseUnlhaCommand(std::string_view line);
