#include "win/entry_names.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

// A code page that spells ASCII and the two letters of 表示 (whose first
// has the trail byte 0x5C), and nothing else.
std::optional<std::string> Exact(std::wstring_view text) {
  std::string bytes;
  for (wchar_t c : text) {
    if (c < 0x80) {
      bytes += static_cast<char>(c);
    } else if (c == L'表') {
      bytes += "\x95\x5c";
    } else if (c == L'示') {
      bytes += "\x8e\xa6";
    } else {
      return std::nullopt;
    }
  }
  return bytes;
}

// The short names a volume keeps, by the long path they stand for.
using ShortNames = std::map<std::wstring, std::wstring>;
struct Volume {
  explicit Volume(ShortNames names = {}) : shortNames(std::move(names)) {}
  ShortNames shortNames;
  std::vector<std::wstring> asked;
  std::optional<std::string> Entry(std::wstring_view path) {
    return EntryPathOf(path, Exact, [this](std::wstring_view of) -> std::optional<std::wstring> {
      asked.emplace_back(of);
      auto found = shortNames.find(std::wstring(of));
      if (found == shortNames.end()) return std::nullopt;
      return found->second;
    });
  }
};

TEST(EntryNames, PathsTheCodePageSpellsAreTheirBytes) {
  Volume volume;
  EXPECT_EQ(volume.Entry(L"C:\\写真"), std::nullopt) << "写 is outside this code page";
  EXPECT_EQ(volume.Entry(L"C:\\表示\\a.jpg"), "C:\\\x95\x5c\x8e\xa6\\a.jpg");
  EXPECT_EQ(volume.Entry(L"\\\\server\\share\\x.jpg"), "\\\\server\\share\\x.jpg");
  EXPECT_EQ(volume.Entry(L"-r"), "-r");
  EXPECT_TRUE(volume.asked.size() == 1) << "a short name is asked for only where it is needed";
}

TEST(EntryNames, OnlyTheNamesTheCodePageCannotSpellAreShortened) {
  Volume volume(ShortNames{{L"C:\\My Pictures\\caf\u00e9.jpg", L"CAF_~EKF.JPG"},
                           {L"C:\\\ud55c\uae00", L"HAN~1"},
                           {L"C:\\\ud55c\uae00\\a\u00a5b.jpg", L"A_B~~D3D.JPG"}});
  EXPECT_EQ(volume.Entry(L"C:\\My Pictures\\caf\u00e9.jpg"), "C:\\My Pictures\\CAF_~EKF.JPG");
  EXPECT_EQ(volume.Entry(L"C:\\\ud55c\uae00\\a\u00a5b.jpg"), "C:\\HAN~1\\A_B~~D3D.JPG");
  EXPECT_EQ(volume.Entry(L"C:\\\ud55c\uae00\\表示.jpg"), "C:\\HAN~1\\\x95\x5c\x8e\xa6.jpg");
  EXPECT_EQ(volume.Entry(L"C:\\\ud55c\uae00/x.jpg"), "C:\\HAN~1/x.jpg") << "a slash stays a slash";
}

TEST(EntryNames, WithoutAShortNameThereIsNoEntry) {
  Volume volume(ShortNames{{L"D:\\emoji\U0001f600.jpg", L"EMOJI\U0001f600.JPG"}});
  EXPECT_EQ(volume.Entry(L"E:\\caf\u00e9.jpg"), std::nullopt) << "a volume that keeps no short names";
  EXPECT_EQ(volume.Entry(L"\\\\serveur\\partag\u00e9\\x.jpg"), std::nullopt) << "a share has no short name";
  EXPECT_EQ(volume.Entry(L"D:\\emoji\U0001f600.jpg"), std::nullopt) << "a short name the code page cannot spell either";
}

TEST(EntryNames, AListedNameFallsBackToItsShortName) {
  EXPECT_EQ(EntryNameOf(L"表示.jpg", L"", Exact), "\x95\x5c\x8e\xa6.jpg");
  EXPECT_EQ(EntryNameOf(L"plain.jpg", L"PLAIN~1.JPG", Exact), "plain.jpg");
  EXPECT_EQ(EntryNameOf(L"caf\u00e9.jpg", L"CAF_~EKF.JPG", Exact), "CAF_~EKF.JPG");
  EXPECT_EQ(EntryNameOf(L"caf\u00e9.jpg", L"", Exact), std::nullopt);
}

}  // namespace
