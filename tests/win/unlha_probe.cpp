// Lists and extracts archives through the archive library the program
// loads (UNLHA32.dll beside this program), exactly as the program calls it,
// and prints what came out, for a scenario to compare with what lhasa
// extracts. Usage: unlha_probe OUTPUT-FOLDER ARCHIVE...
// Each member goes into a folder of its own: OUTPUT-FOLDER\<archive>_<member>\,
// both counted from 0.
// Prints, in code page 932, per archive "archive<TAB>path<TAB>members" (or
// "none" when the library opens no archive), then per member
// "member<TAB>name in hexadecimal<TAB>status": names may hold any byte.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "archive/archive_paths.h"
#include "archive/lha_unit.h"

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  LhaUnit::Start();
  const std::string output = argv[1];
  for (int a = 2; a < argc; ++a) {
    const std::string archive = argv[a];
    std::vector<std::string> members;
    const std::uint32_t handle = LhaUnit::UnlhaOpenArchive(nullptr, archive, 0);
    if (handle) {
      char record[kEntryRecordSize] = {};
      for (int found = LhaUnit::UnlhaFindFirst(handle, "*.*", record); found == 0;
           found = LhaUnit::UnlhaFindNext(handle, record)) {
        members.push_back(MemberNameFromRecord(record));
      }
      LhaUnit::UnlhaCloseArchive(handle);
    }
    if (handle) {
      std::printf("archive\t%s\t%zu\n", archive.c_str(), members.size());
    } else {
      std::printf("archive\t%s\tnone\n", archive.c_str());
    }
    for (std::size_t m = 0; m < members.size(); ++m) {
      const std::string folder = output + "\\" + std::to_string(a - 2) + "_" + std::to_string(m) + "\\";
      const auto command = ExtractionCommandLine(archive, folder, members[m]);
      std::string ignored;
      const int status = command ? LhaUnit::Unlha(nullptr, *command, ignored, 0) : -2;
      std::printf("member\t");
      for (unsigned char byte : members[m]) std::printf("%02x", byte);
      std::printf("\t%d\n", status);
    }
  }
  LhaUnit::Stop();
  return 0;
}
