#include "archive/unlha32/unlha_command.h"

#include "app/shift_jis.h"

namespace {

struct Piece {
  std::string text;
  bool quoted = false;
};

// Spaces and quotes are never second halves of Shift-JIS characters, so the
// line can be split byte by byte.
std::vector<Piece> Split(std::string_view line) {
  std::vector<Piece> pieces;
  std::size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t') {
      ++i;
      continue;
    }
    Piece piece;
    if (line[i] == '"') {
      std::size_t end = line.find('"', i + 1);
      if (end == std::string_view::npos) end = line.size();
      piece = {std::string(line.substr(i + 1, end - i - 1)), true};
      i = end + 1;
    } else {
      std::size_t end = line.find_first_of(" \t", i);
      if (end == std::string_view::npos) end = line.size();
      piece = {std::string(line.substr(i, end - i)), false};
      i = end;
    }
    pieces.push_back(std::move(piece));
  }
  return pieces;
}


}  // namespace

std::optional<UnlhaCommand> ParseUnlhaCommand(std::string_view line) {
  UnlhaCommand command;
  int position = 0;
  for (Piece& piece : Split(line)) {
    if (!piece.quoted && piece.text.starts_with('-')) continue;  // a switch
    switch (position++) {
      case 0:
        command.command = std::move(piece.text);
        break;
      case 1:
        command.archive = std::move(piece.text);
        break;
      case 2:
        if (EndsInPathSeparator(piece.text)) {
          command.folder = std::move(piece.text);
          break;
        }
        [[fallthrough]];
      default:
        command.members.push_back(std::move(piece.text));
    }
  }
  if (command.command.empty() || command.archive.empty()) return std::nullopt;
  return command;
}
