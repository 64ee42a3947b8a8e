#include "archive/unlha32/unlha_command.h"

#include "app/shift_jis.h"

namespace {

struct Piece {
  std::string text;
  bool quoted = false;
};

// Spaces, quotes and control bytes are never second halves of Shift-JIS
// characters, so the line can be split byte by byte. Nothing when the line
// can be read more than one way: a quote that is not closed, a quote inside
// an unquoted piece or right after a closing one, an empty quoted piece, or
// a control byte other than a TAB.
std::optional<std::vector<Piece>> Split(std::string_view line) {
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  for (unsigned char byte : line) {
    if (byte < 0x20 && byte != '\t') return std::nullopt;
  }
  std::vector<Piece> pieces;
  std::size_t i = 0;
  while (i < line.size()) {
    if (blank(line[i])) {
      ++i;
      continue;
    }
    Piece piece;
    if (line[i] == '"') {
      std::size_t end = line.find('"', i + 1);
      if (end == std::string_view::npos || end == i + 1) return std::nullopt;
      if (end + 1 < line.size() && !blank(line[end + 1])) return std::nullopt;
      piece = {std::string(line.substr(i + 1, end - i - 1)), true};
      i = end + 1;
    } else {
      std::size_t end = line.find_first_of(" \t", i);
      if (end == std::string_view::npos) end = line.size();
      piece = {std::string(line.substr(i, end - i)), false};
      if (piece.text.find('"') != std::string::npos) return std::nullopt;
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
  auto pieces = Split(line);
  if (!pieces) return std::nullopt;
  for (Piece& piece : *pieces) {
    if (!piece.quoted && piece.text.starts_with('-')) continue;  // a switch
    switch (position++) {
      case 0: command.command = std::move(piece.text); break;
      case 1: command.archive = std::move(piece.text); break;
      case 2:
        if (EndsInPathSeparator(piece.text)) {
          command.folder = std::move(piece.text);
          break;
        }
        [[fallthrough]];
      default: command.members.push_back(std::move(piece.text));
    }
  }
  if (command.command.empty() || command.archive.empty()) return std::nullopt;
  return command;
}
