// An archive's path, a member's name and the temporary folder, as a listing
// makes an entry of them and a display turns the entry into the archive
// library's command line. What a user relies on: our library reads from
// that line exactly the archive, folder and member the program meant, or
// the program refuses the entry; a name can never make it read another
// archive or write into another folder.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "app/path_rules.h"
#include "app/shift_jis.h"
#include "archive/archive_paths.h"
#include "archive/unlha32/unlha_command.h"
#include "fuzz_check.h"

namespace {

bool CanBeCarried(const std::string& piece) {
  if (piece.empty()) return false;
  for (unsigned char byte : piece) {
    if (byte == '"' || byte < 0x20) return false;
  }
  return true;
}

// Whole characters only, as names from a file system or a listing are.
bool EndsWithWholeCharacter(std::string_view text) {
  std::size_t i = 0, last = 0;
  for (; i < text.size(); i += CharLengthAt(text, i)) last = i;
  return text.empty() || !(CharLengthAt(text, last) == 1 && IsShiftJisLeadByte(text[last]));
}

bool HoldsDelimiter(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); i += CharLengthAt(text, i)) {
    if (CharLengthAt(text, i) == 1 && (text[i] == '\\' || text[i] == ':')) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  std::string archive = input.ConsumeRandomLengthString(300);
  if (input.ConsumeBool()) archive += input.ConsumeBool() ? ".lzh" : ".LzH";
  std::string folder = input.ConsumeRandomLengthString(300) + "\\";
  const std::string member = input.ConsumeRemainingBytesAsString();
  const std::string entry = archive + "\\" + member;

  if (!IsArchiveMember(entry)) return 0;
  const std::string meantArchive = FolderOf(entry), meantMember = FileNameOf(entry);
  // A listing's entry comes apart into the archive and the member it was made of.
  if (EndsWithWholeCharacter(archive) && !HoldsDelimiter(member) && !archive.ends_with(':')) {
    FUZZ_CHECK(meantArchive == archive && meantMember == member);
  }

  const auto line = ExtractionCommandLine(meantArchive, folder, meantMember);
  if (!line) {
    FUZZ_CHECK(!CanBeCarried(meantArchive) || !CanBeCarried(folder) || !CanBeCarried(meantMember));
    return 0;
  }
  if (!EndsInPathSeparator(folder)) return 0;  // a temporary folder always ends in "\"
  const auto command = ParseUnlhaCommand(*line);
  FUZZ_CHECK(command.has_value());
  FUZZ_CHECK(command->command == "e");
  FUZZ_CHECK(command->archive == meantArchive);
  FUZZ_CHECK(command->folder == folder);
  FUZZ_CHECK(command->members.size() == 1 && command->members[0] == meantMember);
  return 0;
}
