// Any bytes read as a list file. What a user relies on: a list read and
// saved again loses no entry and changes none, and a saved list that is
// read back is the same list.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "list/list_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> entries = DecodeListFile(bytes);
  for (const std::string& entry : entries) {
    FUZZ_CHECK(entry.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos);
  }
  const std::string saved = EncodeListFile(entries);
  FUZZ_CHECK(DecodeListFile(saved) == entries);

  // A file the program wrote itself (CR LF after each line, no NUL) comes
  // back byte for byte.
  const bool ownFormat = bytes.find('\0') == std::string_view::npos && (bytes.empty() || bytes.ends_with("\r\n")) &&
                         [&] {
                           for (std::size_t i = 0; i < bytes.size(); ++i) {
                             if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')) return false;
                             if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) return false;
                           }
                           return true;
                         }();
  if (ownFormat) FUZZ_CHECK(saved == bytes);
  return 0;
}
