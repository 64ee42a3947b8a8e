#include "archive/unlha32/lzh_archive.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <memory>

#include <lhasa.h>

#ifdef _WIN32
#include <direct.h>
#else
#include <sys/stat.h>
#endif

#include "app/little_endian.h"
#include "app/shift_jis.h"

namespace {

constexpr std::uint8_t kSeparator = 0xFF;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// An archive opened for reading with lhasa; headers stay valid until the
// next call of Next.
class Reader {
 public:
  explicit Reader(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {
    if (!file_) return;
    stream_ = lha_input_stream_from_FILE(file_.get());
    if (stream_) reader_ = lha_reader_new(stream_);
  }
  ~Reader() {
    if (reader_) lha_reader_free(reader_);
    if (stream_) lha_input_stream_free(stream_);
  }
  Reader(const Reader&) = delete;
  Reader& operator=(const Reader&) = delete;

  bool Opened() const { return reader_ != nullptr; }
  // The next member that holds a file's data; directories and links are
  // passed over.
  LHAFileHeader* Next() {
    while (LHAFileHeader* header = lha_reader_next_file(reader_)) {
      ++headers_;
      if (std::strcmp(header->compress_method, LHA_COMPRESS_TYPE_DIR) != 0) return header;
    }
    return nullptr;
  }
  int Headers() const { return headers_; }
  std::size_t Read(std::uint8_t* buffer, std::size_t size) { return lha_reader_read(reader_, buffer, size); }
  // Decodes the current member to its end, checking its length and CRC.
  bool Check() { return lha_reader_check(reader_, nullptr, nullptr) != 0; }
  // An archive of no members is a single end byte.
  bool EmptyArchive() {
    std::rewind(file_.get());
    int first = std::fgetc(file_.get());
    return first == 0 && std::fgetc(file_.get()) == EOF;
  }

 private:
  File file_;
  LHAInputStream* stream_ = nullptr;
  LHAReader* reader_ = nullptr;
  int headers_ = 0;
};

// Folder separators as "/", leaving second halves of double-byte characters.
std::string WithSlashes(std::span<const std::uint8_t> bytes) {
  std::string text(bytes.begin(), bytes.end());
  for (std::size_t i = 0; i < text.size(); i += CharLengthAt(text, i)) {
    if (CharLengthAt(text, i) == 1 && (text[i] == '\\' || static_cast<std::uint8_t>(text[i]) == kSeparator)) {
      text[i] = '/';
    }
  }
  return text;
}

// A folder that is already there, or cannot be made, shows when the file
// inside it cannot be written.
void MakeFolder(const std::string& path) {
#ifdef _WIN32
  _mkdir(path.c_str());
#else
  mkdir(path.c_str(), 0777);
#endif
}

// Creates the folder and every missing folder above it.
void MakeFolders(const std::string& folder) {
  for (std::size_t i = 0; i < folder.size(); i += CharLengthAt(folder, i)) {
    bool separator = CharLengthAt(folder, i) == 1 && (folder[i] == '\\' || folder[i] == '/');
    if (separator && i > 0 && folder[i - 1] != ':') MakeFolder(folder.substr(0, i));
  }
  MakeFolder(folder);
}

// A name Windows gives to a device in every folder: the part before the
// first dot, without the blanks and dots that end it, is CON, PRN, AUX,
// NUL, COM0 to COM9, LPT0 to LPT9 (or with one of superscriptDigits),
// CONIN$ or CONOUT$, in any case.
bool IsDeviceName(std::string_view name, std::string_view superscriptDigits) {
  std::string base = UpperCase(name.substr(0, name.find('.')));
  while (!base.empty() && (base.back() == ' ' || base.back() == '.')) base.pop_back();
  if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL" || base == "CONIN$" || base == "CONOUT$") {
    return true;
  }
  if (base.size() != 4 || !(base.starts_with("COM") || base.starts_with("LPT"))) return false;
  const char digit = base[3];
  return (digit >= '0' && digit <= '9') || superscriptDigits.find(digit) != std::string_view::npos;
}

}  // namespace

std::uint16_t Crc16(std::uint16_t crc, std::span<const std::uint8_t> data) {
  static const std::array<std::uint16_t, 256> table = [] {
    std::array<std::uint16_t, 256> t{};
    for (unsigned n = 0; n < 256; ++n) {
      unsigned c = n;
      for (int k = 0; k < 8; ++k) c = c & 1 ? (c >> 1) ^ 0xA001 : c >> 1;
      t[n] = static_cast<std::uint16_t>(c);
    }
    return t;
  }();
  for (std::uint8_t byte : data) crc = static_cast<std::uint16_t>(table[(crc ^ byte) & 0xFF] ^ (crc >> 8));
  return crc;
}

std::optional<std::string> StoredMemberName(std::span<const std::uint8_t> header, int level) {
  std::string folder, name;
  bool named = false;
  std::size_t extensions = 0, sizeField = 2;
  if (level == 0 || level == 1) {
    if (header.size() < 22) return std::nullopt;
    std::size_t length = header[21];
    if (22 + length > header.size()) return std::nullopt;
    name = WithSlashes(header.subspan(22, length));
    named = true;
    if (level == 0) return name;
    // The first extension's size is the last field of the basic header.
    std::size_t basic = std::size_t{header[0]} + 2;
    if (basic < 2 || basic > header.size()) return std::nullopt;
    extensions = basic - 2;
  } else if (level == 2) {
    extensions = 24;
  } else if (level == 3) {
    extensions = 28;
    sizeField = 4;
  } else {
    return std::nullopt;
  }
  // Extensions: size (counting itself), type, data.
  std::size_t at = extensions;
  while (at + sizeField <= header.size()) {
    std::size_t size = LittleEndian(header, at, sizeField);
    if (size == 0) break;
    if (size < sizeField + 1 || size > header.size() - at) return std::nullopt;
    std::uint8_t type = header[at + sizeField];
    auto data = header.subspan(at + sizeField + 1, size - sizeField - 1);
    if (type == 0x01) {
      name.assign(data.begin(), data.end());
      named = true;
    } else if (type == 0x02) {
      folder = WithSlashes(data);
      if (!folder.empty() && folder.back() != '/') folder += '/';
    }
    at += size;
  }
  if (!named || name.empty()) return std::nullopt;
  return folder + name;
}

std::optional<std::string> SafeFileName(std::string_view memberName, std::string_view superscriptDigits) {
  std::size_t slash = memberName.rfind('/');
  std::string_view name = slash == std::string_view::npos ? memberName : memberName.substr(slash + 1);
  if (name.empty() || name == "." || name == ".." || name.back() == '.' || name.back() == ' ') return std::nullopt;
  for (std::size_t i = 0; i < name.size(); i += CharLengthAt(name, i)) {
    if (CharLengthAt(name, i) == 2) continue;
    auto c = static_cast<unsigned char>(name[i]);
    if (c < 0x20 || std::strchr("\\:*?\"<>|", c)) return std::nullopt;
  }
  if (IsDeviceName(name, superscriptDigits)) return std::nullopt;
  return std::string(name);
}

std::optional<std::vector<std::string>> ListLzhMembers(const std::string& archivePath) {
  Reader reader(archivePath);
  if (!reader.Opened()) return std::nullopt;
  std::vector<std::string> names;
  while (LHAFileHeader* header = reader.Next()) {
    auto name = StoredMemberName({header->raw_data, header->raw_data_len}, header->header_level);
    if (name) names.push_back(std::move(*name));
  }
  // Not one header could be read: no LZH archive at all, or a damaged one.
  if (reader.Headers() == 0 && !reader.EmptyArchive()) return std::nullopt;
  return names;
}

namespace {

// The first file member of that stored name.
LHAFileHeader* FindMember(Reader& reader, std::string_view memberName) {
  while (LHAFileHeader* header = reader.Next()) {
    auto name = StoredMemberName({header->raw_data, header->raw_data_len}, header->header_level);
    if (name && *name == memberName) return header;
  }
  return nullptr;
}

// The Macintosh archiver puts a MacBinary header before some members' data;
// lhasa strips it from what it gives, while the length and CRC in the
// archive cover the data with it. So lhasa's own check, on a second pass
// over the member, decides whether such a member is sound.
bool MacintoshMemberChecks(const std::string& archivePath, std::string_view memberName) {
  Reader reader(archivePath);
  return reader.Opened() && FindMember(reader, memberName) && reader.Check();
}

}  // namespace

ExtractResult ExtractLzhMember(const std::string& archivePath, std::string_view memberName, std::string folder,
                               std::uint64_t room, std::string_view superscriptDigits) {
  Reader reader(archivePath);
  if (!reader.Opened()) return ExtractResult::NoArchive;
  LHAFileHeader* header = FindMember(reader, memberName);
  if (!header) return ExtractResult::NoMember;
  // Only the LZH archivers' own methods are decoded. lhasa also reads the
  // -pm0- to -pm2- members of a CP/M-era archiver's ".pma" files, which no
  // LZH archiver writes, and its decoders for them read past their tables
  // on crafted data.
  const std::string_view method = header->compress_method;
  if (!method.starts_with("-lh") && !method.starts_with("-lz")) return ExtractResult::Damaged;
  auto fileName = SafeFileName(memberName, superscriptDigits);
  if (!fileName) return ExtractResult::UnsafeName;
  if (header->length > room) return ExtractResult::WriteFailed;

  if (!folder.empty() && !EndsInPathSeparator(folder)) folder += '/';
  if (!folder.empty()) MakeFolders(folder.substr(0, folder.size() - 1));
  const std::string target = folder + *fileName;
  const std::string part = target + ".part";
  // Read in pieces: the sizes in the header are not believed for memory.
  // Taken before the file is made, so that a lack of memory leaves nothing.
  std::vector<std::uint8_t> buffer(64 * 1024);
  File out(std::fopen(part.c_str(), "wb"));
  if (!out) return ExtractResult::WriteFailed;
  std::uint16_t crc = 0;
  std::size_t total = 0;
  bool written = true;
  while (std::size_t got = reader.Read(buffer.data(), buffer.size())) {
    total += got;
    if (total > header->length) break;  // more than declared: damaged, and never written
    crc = Crc16(crc, {buffer.data(), got});
    written = written && std::fwrite(buffer.data(), 1, got, out.get()) == got;
  }
  written = std::fclose(out.release()) == 0 && written;
  const bool sound = header->os_type == LHA_OS_TYPE_MACOS
                         ? total <= header->length && MacintoshMemberChecks(archivePath, memberName)
                         : total == header->length && crc == header->crc;
  // A damaged member leaves no file: not the broken data, and not an older
  // file of that name that a caller would take for this member.
  std::remove(target.c_str());
  if (!sound || !written) {
    std::remove(part.c_str());
    return sound ? ExtractResult::WriteFailed : ExtractResult::Damaged;
  }
  if (std::rename(part.c_str(), target.c_str()) != 0) {
    std::remove(part.c_str());
    return ExtractResult::WriteFailed;
  }
  return ExtractResult::Done;
}
