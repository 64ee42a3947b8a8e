// Any raw command line. What a user relies on: the argument a shell or a
// shortcut passes, quoted as they quote it, is the argument the program
// acts on, whatever bytes it holds; the wide command line splits the same
// way, however its characters' low bytes look; and no line makes it read
// past the end.
#include <cstdint>
#include <string>
#include <string_view>

#include "app/command_line.h"
#include "fuzz_check.h"

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) >= 1 && static_cast<unsigned char>(c) <= 32; }

// Each byte as one code unit of wide text: ASCII as itself, any other byte
// as a character beyond ASCII whose low byte may be a blank or a quote.
std::wstring Widened(std::string_view bytes) {
  std::wstring wide;
  for (char c : bytes) {
    auto b = static_cast<unsigned char>(c);
    wide += static_cast<wchar_t>(b < 0x80 ? b : 0x100 | (b & 0x3F));
  }
  return wide;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view raw(reinterpret_cast<const char*>(data), size);
  const std::string first = FirstArgument(raw);
  FUZZ_CHECK(first.size() <= raw.size());
  FUZZ_CHECK(first.find('"') == std::string::npos);
  FUZZ_CHECK(FirstArgument(std::wstring_view(Widened(raw))) == Widened(first));

  // The bytes as one argument, the way a shortcut or the shell passes a
  // path: quoted when it holds a blank, behind a program path that may
  // hold blanks too. A path holds no quote and no NUL.
  std::string argument;
  for (char c : raw) {
    if (c != '"' && c != '\0') argument += c;
  }
  bool hasBlank = false, onlyBlanks = true;
  for (char c : argument) {
    if (IsBlank(c)) {
      hasBlank = true;
    } else {
      onlyBlanks = false;
    }
  }
  if (argument.empty() || onlyBlanks) return 0;
  const std::string quoted = hasBlank ? '"' + argument + '"' : argument;
  FUZZ_CHECK(FirstArgument("\"C:\\Program Files\\Tirvane\\Tirvane.exe\" " + quoted) == argument);
  FUZZ_CHECK(FirstArgument("Tirvane.exe\t" + quoted + " ") == argument);
  FUZZ_CHECK(FirstArgument("\"C:\\Tirvane.exe\"\"\" \"\" " + quoted + " -x") == argument);
  return 0;
}
