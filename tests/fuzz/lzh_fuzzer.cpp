// Feeds arbitrary bytes to the stand-in archive library as an archive and
// as a command line. Beyond the sanitizers' checks: every extracted file
// lands directly inside the destination folder.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "archive/unlha32/lzh_archive.h"
#include "archive/unlha32/unlha_command.h"

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fs::path root = fs::temp_directory_path() / ("lzh_fuzz_" + std::to_string(getpid()));
  const fs::path archive = root / "in.lzh", folder = root / "out";
  fs::remove_all(root);
  fs::create_directories(root);
  std::ofstream(archive, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

  ParseUnlhaCommand(std::string_view(reinterpret_cast<const char*>(data), size));
  if (auto members = ListLzhMembers(archive.string())) {
    int tried = 0;
    for (const std::string& member : *members) {
      if (++tried > 8) break;
      ExtractLzhMember(archive.string(), member, folder.string() + "/");
    }
  }
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const fs::path& path = entry.path();
    bool expected = path == archive || path == folder || (path.parent_path() == folder && entry.is_regular_file());
    if (!expected) {
      std::fprintf(stderr, "written outside the folder: %s\n", path.c_str());
      std::abort();
    }
  }
  fs::remove_all(root);
  return 0;
}
