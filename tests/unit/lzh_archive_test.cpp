#include "archive/unlha32/lzh_archive.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>

#include <lhasa.h>

#include "archive/unlha32/unlha_command.h"

namespace {

namespace fs = std::filesystem;
const fs::path kArchives = TIRVANE_TEST_ARCHIVES;

std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void Write(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A folder of its own for each test, removed afterwards.
class Extraction : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("lzh_test_" + std::to_string(::getpid()) + "_" +
                                          testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  std::string Folder() const { return folder_.string() + "/"; }
  fs::path folder_;
};

// One -lh0- member with a level-0 header, as an old archiver writes it.
std::string StoredMember(const std::string& name, const std::string& data, std::uint16_t crc,
                         std::uint32_t claimedSize = 0) {
  std::string header;
  header += "-lh0-";
  auto put32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) header += static_cast<char>(v >> (8 * i) & 0xFF);
  };
  const std::uint32_t size = claimedSize ? claimedSize : static_cast<std::uint32_t>(data.size());
  put32(size);
  put32(size);
  put32(0);              // time stamp
  header += '\x20';      // attribute
  header += '\0';        // level 0
  header += static_cast<char>(name.size());
  header += name;
  header += static_cast<char>(crc & 0xFF);
  header += static_cast<char>(crc >> 8);
  unsigned sum = 0;
  for (unsigned char c : header) sum += c;
  return std::string(1, static_cast<char>(header.size())) + static_cast<char>(sum & 0xFF) + header + data;
}

std::uint16_t CrcOf(const std::string& data) {
  return Crc16(0, {reinterpret_cast<const std::uint8_t*>(data.data()), data.size()});
}

const std::vector<std::string> kMembers = {"photos/2001/beach.jpg", "表示.jpg", "my pics/Photo.Bmp", "readme.txt",
                                           "empty.jpg"};

// Where the archived files lie on this machine, whose names are UTF-8.
fs::path SourceOf(const std::string& member) {
  if (member == "表示.jpg") return kArchives / "files" / fs::path(u8"表示.jpg");
  return kArchives / "files" / member;
}

TEST(LzhArchive, ListsEveryMemberInOrderWithItsStoredNameAtEveryHeaderLevel) {
  for (int level : {0, 1, 2}) {
    SCOPED_TRACE(level);
    auto members = ListLzhMembers((kArchives / ("level" + std::to_string(level) + ".lzh")).string());
    ASSERT_TRUE(members);
    // 表示 keeps its 5C second byte; nothing is lowered or rewritten.
    EXPECT_EQ(*members, kMembers);
  }
}

TEST(LzhArchive, SomethingElseIsNoArchive) {
  EXPECT_FALSE(ListLzhMembers((kArchives / "files" / "readme.txt").string()));
  EXPECT_FALSE(ListLzhMembers((kArchives / "nowhere.lzh").string()));
  // An archive of no members is one end byte.
  fs::path empty = fs::temp_directory_path() / "lzh_test_empty.lzh";
  Write(empty, std::string(1, '\0'));
  auto members = ListLzhMembers(empty.string());
  fs::remove(empty);
  ASSERT_TRUE(members);
  EXPECT_TRUE(members->empty());
}

TEST_F(Extraction, WritesEachMemberUnderItsLastNameIntoANewFolder) {
  for (int level : {0, 1, 2}) {
    SCOPED_TRACE(level);
    std::string archive = (kArchives / ("level" + std::to_string(level) + ".lzh")).string();
    for (const std::string& member : kMembers) {
      ASSERT_EQ(ExtractLzhMember(archive, member, Folder() + "deep/er"), ExtractResult::Done) << member;
      std::string leaf = member.substr(member.rfind('/') + 1);
      std::string extracted = Bytes(folder_ / "deep" / "er" / leaf);
      EXPECT_TRUE(extracted == Bytes(SourceOf(member))) << member;
    }
  }
  // Only the members' files: no partial files are left over.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_ / "deep" / "er"), fs::directory_iterator()), 5);
}

TEST_F(Extraction, ReplacesAFileOfTheSameName) {
  fs::create_directories(folder_);
  Write(folder_ / "beach.jpg", "older picture, longer than the new one" + std::string(50000, 'o'));
  ASSERT_EQ(ExtractLzhMember((kArchives / "level2.lzh").string(), "photos/2001/beach.jpg", Folder()),
            ExtractResult::Done);
  EXPECT_EQ(Bytes(folder_ / "beach.jpg"), Bytes(kArchives / "files/photos/2001/beach.jpg"));
}

TEST_F(Extraction, AMissingMemberOrArchiveWritesNothing) {
  std::string archive = (kArchives / "level2.lzh").string();
  EXPECT_EQ(ExtractLzhMember(archive, "beach.jpg", Folder()), ExtractResult::NoMember);
  EXPECT_EQ(ExtractLzhMember(archive, "PHOTOS/2001/BEACH.JPG", Folder()), ExtractResult::NoMember);
  EXPECT_EQ(ExtractLzhMember((kArchives / "nowhere.lzh").string(), "a.jpg", Folder()), ExtractResult::NoArchive);
  EXPECT_FALSE(fs::exists(folder_));
}

TEST_F(Extraction, DamagedDataLeavesNoFileOfThatName) {
  fs::create_directories(folder_);
  const std::string data = "picture data";
  std::string archive = StoredMember("good.jpg", data, CrcOf(data)) + StoredMember("bad.jpg", data, 0x1234) + '\0';
  Write(folder_ / "in.lzh", archive);
  // A stale file from another member of that name must not pass for this one.
  Write(folder_ / "bad.jpg", "stale");
  EXPECT_EQ(ExtractLzhMember((folder_ / "in.lzh").string(), "good.jpg", Folder()), ExtractResult::Done);
  EXPECT_EQ(Bytes(folder_ / "good.jpg"), data);
  EXPECT_EQ(ExtractLzhMember((folder_ / "in.lzh").string(), "bad.jpg", Folder()), ExtractResult::Damaged);
  EXPECT_FALSE(fs::exists(folder_ / "bad.jpg"));
  EXPECT_FALSE(fs::exists(folder_ / "bad.jpg.part"));

  // Data cut short is damaged too.
  std::string cut = StoredMember("cut.jpg", data, CrcOf(data));
  Write(folder_ / "cut.lzh", cut.substr(0, cut.size() - 4));
  EXPECT_NE(ExtractLzhMember((folder_ / "cut.lzh").string(), "cut.jpg", Folder()), ExtractResult::Done);
  EXPECT_FALSE(fs::exists(folder_ / "cut.jpg"));

  // A header that claims 4 GB for a few bytes of data.
  Write(folder_ / "huge.lzh", StoredMember("huge.jpg", data, CrcOf(data), 0xFFFFFFF0u) + '\0');
  EXPECT_EQ(ExtractLzhMember((folder_ / "huge.lzh").string(), "huge.jpg", Folder()), ExtractResult::Damaged);
  EXPECT_FALSE(fs::exists(folder_ / "huge.jpg"));
}

// A member larger than the room on the destination's volume is refused
// before anything is written; one that just fits is extracted.
TEST_F(Extraction, MembersLargerThanTheRoomLeftAreRefused) {
  fs::create_directories(folder_);
  const std::string data(1000, 'd');
  Write(folder_ / "in.lzh", StoredMember("big.jpg", data, CrcOf(data)) + '\0');
  const std::string archive = (folder_ / "in.lzh").string();
  EXPECT_EQ(ExtractLzhMember(archive, "big.jpg", Folder() + "out/", 999), ExtractResult::WriteFailed);
  EXPECT_FALSE(fs::exists(folder_ / "out" / "big.jpg"));
  EXPECT_FALSE(fs::exists(folder_ / "out" / "big.jpg.part"));
  EXPECT_EQ(ExtractLzhMember(archive, "big.jpg", Folder() + "out/", 1000), ExtractResult::Done);
  EXPECT_EQ(Bytes(folder_ / "out" / "big.jpg"), data);
}

// A CP/M-era archiver's members share the LZH headers and are listed, but
// their methods are never decoded: lhasa's decoders for them read out of
// bounds on crafted data, and no LZH archiver writes them.
TEST_F(Extraction, MembersOfThePmMethodsAreListedButNeverDecoded) {
  const fs::path others = LHASA_TEST_ARCHIVES;
  if (others.empty()) GTEST_SKIP() << "the lhasa sources are not fetched";
  for (const char* archive : {"pmarc2/pm2.pma", "pmarc124/pm1.pma", "pmarc2/pm0.pma"}) {
    SCOPED_TRACE(archive);
    auto members = ListLzhMembers((others / archive).string());
    ASSERT_TRUE(members && !members->empty());
    EXPECT_EQ(ExtractLzhMember((others / archive).string(), members->front(), Folder()), ExtractResult::Damaged);
    EXPECT_TRUE(!fs::exists(folder_) || fs::is_empty(folder_));
  }
}

// What lhasa itself reads from an archive: each file member's path as it
// gives it, and its data where the member passes lhasa's own check.
struct LhasaMember {
  std::string path;
  std::optional<std::string> data;
};

std::vector<LhasaMember> LhasaReads(const fs::path& archive) {
  std::vector<LhasaMember> members;
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(archive.c_str(), "rb"), &std::fclose);
  LHAInputStream* stream = lha_input_stream_from_FILE(file.get());
  LHAReader* reader = lha_reader_new(stream);
  while (LHAFileHeader* header = lha_reader_next_file(reader)) {
    if (std::string_view(header->compress_method) == LHA_COMPRESS_TYPE_DIR) continue;
    LhasaMember member{std::string(header->path ? header->path : "") + header->filename, std::nullopt};
    if (lha_reader_check(reader, nullptr, nullptr)) {
      // The check consumed the data: a second reader gives it.
      std::unique_ptr<FILE, int (*)(FILE*)> again(std::fopen(archive.c_str(), "rb"), &std::fclose);
      LHAInputStream* stream2 = lha_input_stream_from_FILE(again.get());
      LHAReader* reader2 = lha_reader_new(stream2);
      for (std::size_t skip = 0; LHAFileHeader* h = lha_reader_next_file(reader2);) {
        if (std::string_view(h->compress_method) == LHA_COMPRESS_TYPE_DIR) continue;
        if (skip++ < members.size()) continue;
        std::string data;
        std::uint8_t buffer[4096];
        while (std::size_t got = lha_reader_read(reader2, buffer, sizeof buffer)) data.append(reinterpret_cast<char*>(buffer), got);
        member.data = data;
        break;
      }
      lha_reader_free(reader2);
      lha_input_stream_free(stream2);
    }
    members.push_back(std::move(member));
  }
  lha_reader_free(reader);
  lha_input_stream_free(stream);
  return members;
}

std::string Lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// Archives made by twenty other archivers, damaged ones among them: every
// file member lhasa reads is listed under the path lhasa gives it (whose
// capitals lhasa may lower), and extracted with the bytes lhasa extracts,
// Macintosh members without their MacBinary header; a member lhasa finds
// damaged leaves no file. The -pm?- members are the exception tested above.
TEST_F(Extraction, EveryMemberOfOtherArchiversComesOutAsLhasaExtractsIt) {
  const fs::path others = LHASA_TEST_ARCHIVES;
  if (others.empty()) GTEST_SKIP() << "the lhasa sources are not fetched";
  int archives = 0, extracted = 0, damaged = 0;
  for (const auto& entry : fs::recursive_directory_iterator(others)) {
    const fs::path& archive = entry.path();
    if (!entry.is_regular_file() || archive.extension() == "" || archive.parent_path().filename().string().starts_with("pmarc")) continue;
    if (archive.extension() != ".lzh" && archive.extension() != ".lha" && archive.extension() != ".lzs" && archive.extension() != ".LZH") continue;
    SCOPED_TRACE(archive.lexically_relative(others).string());
    ++archives;
    const std::vector<LhasaMember> expected = LhasaReads(archive);
    const auto listed = ListLzhMembers(archive.string());
    if (!listed) {
      EXPECT_TRUE(expected.empty());
      continue;
    }
    ASSERT_EQ(listed->size(), expected.size());
    for (std::size_t i = 0; i < listed->size(); ++i) {
      const std::string& name = (*listed)[i];
      SCOPED_TRACE(name);
      std::string lhasaPath = expected[i].path;
      if (lhasaPath.starts_with("/")) lhasaPath.erase(0, 1);  // lhasa drops a leading "/"
      EXPECT_EQ(Lowered(name).ends_with(Lowered(lhasaPath)) ? "" : name, "") << "lhasa: " << expected[i].path;
      if (std::find(listed->begin(), listed->begin() + static_cast<std::ptrdiff_t>(i), name) != listed->begin() + static_cast<std::ptrdiff_t>(i)) continue;
      const auto fileName = SafeFileName(name);
      if (!fileName) continue;
      fs::remove_all(folder_);
      const ExtractResult result = ExtractLzhMember(archive.string(), name, Folder());
      if (expected[i].data) {
        ASSERT_EQ(result, ExtractResult::Done);
        EXPECT_EQ(Bytes(folder_ / *fileName), *expected[i].data);
        ++extracted;
      } else {
        EXPECT_EQ(result, ExtractResult::Damaged);
        EXPECT_TRUE(!fs::exists(folder_) || fs::is_empty(folder_));
        ++damaged;
      }
    }
  }
  EXPECT_GT(archives, 100);
  std::printf("%d archives, %d members extracted, %d damaged\n", archives, extracted, damaged);
}

TEST_F(Extraction, NamesThatReachOutsideTheFolderAreRefused) {
  fs::create_directories(folder_ / "dest");
  const std::string data = "x";
  const std::vector<std::string> names = {"..\\..\\evil.jpg", "C:\\evil.jpg", "C:evil.jpg", "sub\\..\\evil.jpg",
                                          "..",  "photos/..", "photos/", "CON.jpg", "nul", "a?.jpg", "a.jpg."};
  std::string archive;
  for (const auto& name : names) archive += StoredMember(name, data, CrcOf(data));
  // Folders in the name are left behind: the file lands in the folder itself.
  archive += StoredMember("../../up.jpg", data, CrcOf(data)) + StoredMember("/abs/olute.jpg", data, CrcOf(data));
  Write(folder_ / "in.lzh", archive + '\0');
  auto listed = ListLzhMembers((folder_ / "in.lzh").string());
  ASSERT_TRUE(listed);
  EXPECT_EQ(listed->size(), names.size() + 2);
  for (const auto& name : *listed) ExtractLzhMember((folder_ / "in.lzh").string(), name, (folder_ / "dest").string());
  std::vector<std::string> written;
  for (const auto& entry : fs::recursive_directory_iterator(folder_)) written.push_back(entry.path().lexically_relative(folder_).string());
  std::sort(written.begin(), written.end());
  EXPECT_EQ(written, (std::vector<std::string>{"dest", "dest/evil.jpg", "dest/olute.jpg", "dest/up.jpg", "in.lzh"}));
}

TEST(LzhArchive, StoredNamesFromRawHeaders) {
  auto level0 = [](const std::string& name) {
    std::string header(22, '\0');
    header[21] = static_cast<char>(name.size());
    header += name + "\0\0";
    return std::vector<std::uint8_t>(header.begin(), header.end());
  };
  // "\" outside a double-byte character and 0xFF separate folders.
  EXPECT_EQ(StoredMemberName(level0("写真\\表示.jpg"), 0), "写真/表示.jpg");
  EXPECT_EQ(StoredMemberName(level0("a\xFF" "b.jpg"), 0), "a/b.jpg");
  // A name longer than its header is refused, not read past the end.
  auto cut = level0("abc.jpg");
  cut.resize(25);
  EXPECT_FALSE(StoredMemberName(cut, 0));
  EXPECT_FALSE(StoredMemberName({}, 2));
  EXPECT_FALSE(StoredMemberName(level0("a"), 4));

  // Level 2: the name and its folder in extensions; a bad size stops it.
  std::vector<std::uint8_t> level2(24, 0);
  auto extension = [&](std::uint8_t type, const std::string& data) {
    std::size_t size = data.size() + 3;
    level2.push_back(static_cast<std::uint8_t>(size));
    level2.push_back(static_cast<std::uint8_t>(size >> 8));
    level2.push_back(type);
    level2.insert(level2.end(), data.begin(), data.end());
  };
  extension(0x01, "表示.jpg");
  extension(0x02, "photos\xFF" "2001\xFF");
  level2.insert(level2.end(), {0, 0});
  EXPECT_EQ(StoredMemberName(level2, 2), "photos/2001/表示.jpg");
  level2[24] = 0xFF;
  EXPECT_FALSE(StoredMemberName(level2, 2));
}

TEST(LzhArchive, SafeFileNames) {
  EXPECT_EQ(SafeFileName("photos/2001/表示.jpg"), "表示.jpg");
  EXPECT_EQ(SafeFileName("ソ.jpg"), "ソ.jpg");  // 83 5C: its 5C is no separator
  EXPECT_FALSE(SafeFileName("a\\b.jpg"));
  EXPECT_FALSE(SafeFileName("COM1.jpg"));
  EXPECT_EQ(SafeFileName("COM10.jpg"), "COM10.jpg");
  // Blanks before the extension do not make a device name safe.
  for (const char* name : {"NUL .jpg", "COM1 .jpg", "PRN  .bmp", "aux. .jpg", "com0.jpg", "LPT9.bmp", "conin$.jpg",
                           "CONOUT$ .jpg", "nul"}) {
    EXPECT_FALSE(SafeFileName(name)) << name;
  }
  EXPECT_EQ(SafeFileName("NULL.jpg"), "NULL.jpg");
  EXPECT_EQ(SafeFileName("CON1.jpg"), "CON1.jpg");
  EXPECT_FALSE(SafeFileName("tab\t.jpg"));
}

// B9, B2 and B3 are the superscripts 1, 2, 3 in a Latin code page, where
// COM² is a device, and the katakana ｹ, ｲ, ｳ in the Japanese one, where
// COMｲ.jpg is a name like any other.
TEST(LzhArchive, SuperscriptDeviceNamesOnlyWhereTheCodePageHasSuperscripts) {
  const std::string_view latin = "\xB9\xB2\xB3";
  for (const char* name : {"COM\xB9.jpg", "lpt\xB3.bmp", "COM\xB2 .jpg"}) {
    EXPECT_FALSE(SafeFileName(name, latin)) << name;
  }
  EXPECT_EQ(SafeFileName("COM\xB9.jpg"), "COMｹ.jpg");
  for (const char* name : {"COMｲ.jpg", "LPTｳ.bmp", "comｹ.jpg", "photos/COMｲ.jpg"}) {
    EXPECT_TRUE(SafeFileName(name)) << name;
  }
  EXPECT_EQ(SafeFileName("COMｲ.jpg"), "COMｲ.jpg");
  EXPECT_EQ(SafeFileName("COMｲ.jpg", latin), std::nullopt);
  // A double-byte name that starts the same way is no device either way.
  EXPECT_EQ(SafeFileName("COM表.jpg", latin), "COM表.jpg");
}

TEST(LzhArchive, Crc16OfAKnownText) {
  const std::string text = "123456789";
  EXPECT_EQ(CrcOf(text), 0xBB3D);  // CRC-16/ARC check value
}

TEST(UnlhaCommand, TakesPiecesPlainOrQuoted) {
  auto plain = ParseUnlhaCommand("e -m -p -n -y -gm -jd300K D:\\pics\\trip.lzh C:\\TEMP\\Tirvane\\ photos/beach.jpg");
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->command, "e");
  EXPECT_EQ(plain->archive, "D:\\pics\\trip.lzh");
  EXPECT_EQ(plain->folder, "C:\\TEMP\\Tirvane\\");
  EXPECT_EQ(plain->members, std::vector<std::string>{"photos/beach.jpg"});

  auto quoted = ParseUnlhaCommand(
      "e -m \"C:\\My Pictures\\a.lzh\" \"C:\\Documents and Settings\\表\\\" \"new folder/-b c.jpg\"");
  ASSERT_TRUE(quoted);
  EXPECT_EQ(quoted->archive, "C:\\My Pictures\\a.lzh");
  EXPECT_EQ(quoted->folder, "C:\\Documents and Settings\\表\\");
  EXPECT_EQ(quoted->members, std::vector<std::string>{"new folder/-b c.jpg"});

  // Without a folder the member follows the archive; 表's 5C ends no folder.
  auto noFolder = ParseUnlhaCommand("e a.lzh 表");
  ASSERT_TRUE(noFolder);
  EXPECT_EQ(noFolder->folder, "");
  EXPECT_EQ(noFolder->members, std::vector<std::string>{"表"});
  EXPECT_FALSE(ParseUnlhaCommand("-x -y"));
  EXPECT_FALSE(ParseUnlhaCommand("e"));
}

}  // namespace
