// Any Shift-JIS bytes taken as a path. What a user relies on: a Japanese
// name whose second byte looks like "\", ":" or "." is never cut there, so
// the program opens, saves and names the file the user chose; a name given
// another extension stays in its folder.
#include <cstdint>
#include <string>
#include <string_view>

#include "app/path_rules.h"
#include "app/shift_jis.h"
#include "fuzz_check.h"

namespace {

// True when a character of text starts at offset.
bool StartsCharacter(std::string_view text, std::size_t offset) {
  std::size_t i = 0;
  while (i < offset) i += CharLengthAt(text, i);
  return i == offset;
}

bool IsSingleByteAt(std::string_view text, std::size_t i, char c) {
  return text[i] == c && StartsCharacter(text, i) && CharLengthAt(text, i) == 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view path(reinterpret_cast<const char*>(data), size);
  const std::string name = FileNameOf(path), folder = FolderOf(path), extension = ExtensionOf(path);

  FUZZ_CHECK(path.ends_with(name));
  const std::size_t nameAt = path.size() - name.size();
  FUZZ_CHECK(StartsCharacter(path, nameAt));
  if (nameAt > 0) {
    FUZZ_CHECK(IsSingleByteAt(path, nameAt - 1, '\\') || IsSingleByteAt(path, nameAt - 1, ':'));
    FUZZ_CHECK(path.starts_with(folder) && folder.size() <= nameAt && nameAt - folder.size() <= 1);
  } else {
    FUZZ_CHECK(folder.empty());
  }

  FUZZ_CHECK(name.ends_with(extension));
  FUZZ_CHECK(extension.empty() || IsSingleByteAt(path, path.size() - extension.size(), '.'));
  FUZZ_CHECK(BaseNameOf(path) + extension == name);
  FUZZ_CHECK(ChangeExtension(path, extension) == path);

  // A path whose last character is whole, as the file system gives them.
  if (!path.empty() && StartsCharacter(path, path.size() - 1) && !IsShiftJisLeadByte(data[size - 1])) {
    const std::string renamed = ChangeExtension(path, ".pvl");
    FUZZ_CHECK(ExtensionOf(renamed) == ".pvl");
    FUZZ_CHECK(FolderOf(renamed) == folder);
  }

  const std::string upper = UpperCase(path);
  FUZZ_CHECK(upper.size() == path.size());
  FUZZ_CHECK(FileNameOf(upper) == UpperCase(name));
  for (std::size_t i = 0; i < size; i += CharLengthAt(path, i)) {
    if (CharLengthAt(path, i) == 2) FUZZ_CHECK(upper.compare(i, 2, path.substr(i, 2)) == 0);
  }
  return 0;
}
