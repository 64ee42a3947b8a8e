// What the program asks the archive library to extract is what the library
// extracts: entries from list files and member names from archives are
// anyone's, and must never steer the library to another archive, folder or
// switch.
#include <gtest/gtest.h>

#include "app/path_rules.h"
#include "archive/archive_paths.h"
#include "archive/unlha32/unlha_command.h"

namespace {

struct Pieces {
  std::string archive, folder, member;
};

// Every byte value inserted at the start, inside and at the end of a name
// in each piece: either the line is refused, for a quote or a control byte,
// or our library reads back exactly the pieces that went in.
TEST(ExtractionCommand, EveryByteInEveryPieceArrivesAsMeantOrNotAtAll) {
  const Pieces base{"C:\\写真\\trip.lzh", "C:\\Temp\\Tirvane\\", "sub/表紙.jpg"};
  int refused = 0, carried = 0;
  for (int value = 1; value < 256; ++value) {
    const char byte = static_cast<char>(value);
    for (int piece = 0; piece < 3; ++piece) {
      // The folder keeps its final "\": it is what marks it as the folder.
      for (std::size_t at : {std::size_t{0}, std::size_t{4}, std::string::npos}) {
        Pieces pieces = base;
        std::string& text = piece == 0 ? pieces.archive : piece == 1 ? pieces.folder : pieces.member;
        if (at == std::string::npos) at = piece == 1 ? text.size() - 1 : text.size();
        // A lead byte before the folder's "\" would make it a second byte.
        if (piece == 1 && at == text.size() - 1 && value >= 0x80) continue;
        text.insert(at, 1, byte);
        SCOPED_TRACE("byte " + std::to_string(value) + " in piece " + std::to_string(piece) + " at " +
                     std::to_string(at));
        auto line = ExtractionCommandLine(pieces.archive, pieces.folder, pieces.member);
        if (value == '"' || value < 0x20) {
          EXPECT_FALSE(line) << *line;
          ++refused;
          continue;
        }
        ASSERT_TRUE(line);
        auto command = ParseUnlhaCommand(*line);
        ASSERT_TRUE(command) << *line;
        EXPECT_EQ(command->command, "e");
        EXPECT_EQ(command->archive, pieces.archive);
        EXPECT_EQ(command->folder, pieces.folder);
        EXPECT_EQ(command->members, std::vector<std::string>{pieces.member});
        ++carried;
      }
    }
  }
  EXPECT_EQ(refused, 32 * 9);
  EXPECT_GT(carried, 0);
}

// Lines seen in the wild: a list entry that smuggles a second archive, a
// folder and a file to write, with quotes or with TABs, and a member whose
// stored name holds "\" and quotes so that the entry's folder part ends in
// ".lzh". None of them reaches the library.
TEST(ExtractionCommand, EntriesThatWouldSteerTheLibraryAreRefused) {
  for (const std::string entry : {
           "C:\\w\\evil.lzh\" \"C:\\w\\q\\\" \"evil.bat\" \"a.lzh\\pic.jpg",
           "C:\\w\\evil.lzh\tC:\\w\\q\\\tevil.bat\ta.lzh\\pic.jpg",
           "C:\\dl\\pics.lzh\\x\" \"C:\\w\\\" \"evil.bat\" \"y.lzh\\pic.jpg",
       }) {
    ASSERT_TRUE(IsArchiveMember(entry)) << entry;
    EXPECT_FALSE(ExtractionCommandLine(FolderOf(entry), "C:\\Temp\\Tirvane\\", FileNameOf(entry))) << entry;
  }
  EXPECT_FALSE(ExtractionCommandLine("", "C:\\T\\", "a.jpg"));
  EXPECT_FALSE(ExtractionCommandLine("a.lzh", "C:\\T\\", ""));
}

// A library that guessed at such lines could be made to read a piece as a
// switch, a folder or a second member.
TEST(UnlhaCommand, RefusesLinesItCouldReadMoreThanOneWay) {
  for (const char* line : {
           "e a.lzh C:\\t\\ \"b.jpg",        // a quote never closed
           "e a.lzh C:\\t\\ b\"c d\".jpg",   // a quote inside a plain piece
           "e a.lzh C:\\t\\ \"b\"c.jpg",     // a piece glued to a quoted one
           "e a.lzh C:\\t\\ \"\" b.jpg",     // an empty quoted piece
           "e a.lzh C:\\t\\ b.jpg\r\nc.jpg",  // control bytes
       }) {
    EXPECT_FALSE(ParseUnlhaCommand(line)) << line;
  }
  auto dash = ParseUnlhaCommand("e -y a.lzh C:\\t\\ \"-cover.jpg\"\t\"b c.jpg\"");
  ASSERT_TRUE(dash);
  EXPECT_EQ(dash->members, (std::vector<std::string>{"-cover.jpg", "b c.jpg"}));
}

}  // namespace
