#include "app/path_rules.h"

#include <gtest/gtest.h>

#include "app/folders.h"

namespace {

struct PathCase {
  const char* path;
  const char* folder;
  const char* fileName;
  const char* extension;
  const char* baseName;
};

// 表 is 95 5C and ソ is 83 5C: their second byte is a backslash.
const PathCase kPathCases[] = {
    {"C:\\x.exe", "C:\\", "x.exe", ".exe", "x"},
    {"C:\\A\\x.exe", "C:\\A", "x.exe", ".exe", "x"},
    {"C:\\A\\B\\", "C:\\A\\B", "", "", ""},
    {"\\\\server\\share\\a.jpg", "\\\\server\\share", "a.jpg", ".jpg", "a"},
    {"\\\\x", "\\\\", "x", "", "x"},
    {"C:x.jpg", "C:", "x.jpg", ".jpg", "x"},
    {"a.jpg", "", "a.jpg", ".jpg", "a"},
    {"noext", "", "noext", "", "noext"},
    {"C:\\dir.d\\file", "C:\\dir.d", "file", "", "file"},
    {"C:\\a.b.pvl", "C:\\", "a.b.pvl", ".pvl", "a.b"},
    {"C:\\表", "C:\\", "表", "", "表"},
    {"C:\\一覧表\\旅行.pvl", "C:\\一覧表", "旅行.pvl", ".pvl", "旅行"},
    {"D:\\ソフト\\表.jpg", "D:\\ソフト", "表.jpg", ".jpg", "表"},
    {"表示", "", "表示", "", "表示"},
    {"C:\\.pvl", "C:\\", ".pvl", ".pvl", ""},
};

TEST(PathRules, SplitsOnlyAtSingleByteDelimiters) {
  for (const auto& c : kPathCases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(FolderOf(c.path), c.folder);
    EXPECT_EQ(FileNameOf(c.path), c.fileName);
    EXPECT_EQ(ExtensionOf(c.path), c.extension);
    EXPECT_EQ(BaseNameOf(c.path), c.baseName);
  }
}

TEST(PathRules, ChangeExtension) {
  EXPECT_EQ(ChangeExtension("C:\\a\\Tirvane.exe", ".ini"), "C:\\a\\Tirvane.ini");
  EXPECT_EQ(ChangeExtension("C:\\a.d\\b", ".ini"), "C:\\a.d\\b.ini");
  EXPECT_EQ(ChangeExtension("x.tar.gz", ""), "x.tar");
  EXPECT_EQ(ChangeExtension("表.jpg", ".bmp"), "表.bmp");
  EXPECT_EQ(ChangeExtension("表", ".bmp"), "表.bmp");
}

// Only single-byte letters fold: a full-width name is another extension.
TEST(PathRules, HasExtensionInAnyCaseOfItsSingleByteLetters) {
  EXPECT_TRUE(HasExtension("C:\\写真\\夏.LzH", ".lzh"));
  EXPECT_TRUE(HasExtension("a.JPG", ".jpg"));
  EXPECT_FALSE(HasExtension("a.lzh\\b", ".lzh"));
  EXPECT_FALSE(HasExtension("a.ｌｚｈ", ".lzh"));
  EXPECT_FALSE(HasExtension("alzh", ".lzh"));
}

TEST(PathRules, LeadByteAndBackslashAreOneCharacter) {
  EXPECT_EQ(FileNameOf("a\x95\\b"), "a\x95\\b");
  // A lead byte at the very end stands alone.
  EXPECT_EQ(FileNameOf("C:\\a\x95"), "a\x95");
  EXPECT_EQ(FolderOf("C:\\a\x95"), "C:\\");
}

TEST(Folders, DataFolderIsTheRecentFoldersParent) {
  EXPECT_EQ(DataFolderFromRecent("C:\\WINDOWS\\Recent"), "C:\\WINDOWS\\Tirvane\\");
  EXPECT_EQ(DataFolderFromRecent("C:\\Documents and Settings\\user\\Recent"),
            "C:\\Documents and Settings\\user\\Tirvane\\");
  EXPECT_EQ(DataFolderFromRecent("C:\\ユーザー表\\Recent"), "C:\\ユーザー表\\Tirvane\\");
}

TEST(Folders, TempFolderAndSettingsFollowTheExecutablesName) {
  EXPECT_EQ(TempFolderFrom("C:\\WINDOWS\\TEMP\\", "C:\\Prog\\Tirvane.exe"), "C:\\WINDOWS\\TEMP\\Tirvane\\");
  EXPECT_EQ(TempFolderFrom("C:\\T\\", "C:\\Prog\\Foo.exe"), "C:\\T\\Foo\\");
  EXPECT_EQ(TempFolderFrom("", "C:\\Prog\\Tirvane.exe"), "C:\\Prog\\Tirvane\\");
  EXPECT_EQ(SettingsPathFor("C:\\W\\Tirvane\\", "C:\\Prog\\Tirvane.exe"), "C:\\W\\Tirvane\\Tirvane.ini");
  EXPECT_EQ(SettingsPathFor("C:\\W\\Tirvane\\", "C:\\Prog\\Foo.exe"), "C:\\W\\Tirvane\\Foo.ini");
  EXPECT_EQ(SettingsPathFor("C:\\W\\", "C:\\表\\表.exe"), "C:\\W\\表.ini");
  EXPECT_EQ(DriveRootOf("C:\\Prog\\Tirvane.exe"), "C:\\");
  EXPECT_EQ(DriveRootOf("D:\\Tirvane.exe"), "D:\\");
}

TEST(Folders, ChainRunsFromTheRootDown) {
  using Chain = std::vector<std::string>;
  EXPECT_EQ(FolderChain("C:\\"), Chain{"C:\\"});
  EXPECT_EQ(FolderChain("C:\\A\\B"), (Chain{"C:\\", "C:\\A", "C:\\A\\B"}));
  EXPECT_EQ(FolderChain("C:\\A\\"), (Chain{"C:\\", "C:\\A"}));
  // 表 ends in a 5C byte that separates nothing.
  EXPECT_EQ(FolderChain("D:\\表\\ソ"), (Chain{"D:\\", "D:\\表", "D:\\表\\ソ"}));
  EXPECT_EQ(FolderChain("\\\\srv\\share"), Chain{"\\\\srv\\share"});
  EXPECT_EQ(FolderChain("\\\\srv\\share\\A"), (Chain{"\\\\srv\\share", "\\\\srv\\share\\A"}));
}

// Texts from a settings file or a typed path need not be folders: the
// chooser still gets steps that only grow, from prefixes of the text.
TEST(Folders, ChainOfAnyTextOnlyGrows) {
  using Chain = std::vector<std::string>;
  EXPECT_EQ(FolderChain("\\:\\"), (Chain{"\\", "\\:"}));
  EXPECT_EQ(FolderChain("\\\\server"), Chain{"\\\\server"});
  EXPECT_EQ(FolderChain("\\A\\B"), (Chain{"\\", "\\A", "\\A\\B"}));
  EXPECT_EQ(FolderChain(""), Chain{});
  for (const char* text : {"\\:\\", "\\\\server", "\\\\", "\\", ":", "C:", "C:A\\B", "1:\\x", "\\\\a\\b\\\\c",
                           "C:\\\\\\x\\\\", "表\\ソ\\", "\\\\?\\C:\\a"}) {
    const std::string folder = text;
    std::size_t previous = 0;
    for (const std::string& step : FolderChain(folder)) {
      EXPECT_GT(step.size(), previous) << folder;
      EXPECT_EQ(folder.compare(0, step.size(), step), 0) << folder << " gives " << step;
      previous = step.size();
    }
  }
}

TEST(Folders, SubfolderTakesOneBackslash) {
  EXPECT_EQ(SubfolderOf("C:\\", "A"), "C:\\A");
  EXPECT_EQ(SubfolderOf("C:\\A", "B"), "C:\\A\\B");
  EXPECT_EQ(SubfolderOf("C:\\表", "B"), "C:\\表\\B");
}

// The volume whose absence keeps an entry listed: a drive, a share, the
// same behind a long-path prefix; nothing for a path on the current volume.
TEST(Folders, VolumeRootOfDrivesAndShares) {
  EXPECT_EQ(VolumeRootOf("E:\\pics\\a.jpg"), "E:\\");
  EXPECT_EQ(VolumeRootOf("e:a.jpg"), "e:\\");
  EXPECT_EQ(VolumeRootOf("E:"), "E:\\");
  EXPECT_EQ(VolumeRootOf("\\\\nas\\photos\\2001\\a.jpg"), "\\\\nas\\photos\\");
  EXPECT_EQ(VolumeRootOf("\\\\nas\\photos"), "\\\\nas\\photos\\");
  EXPECT_EQ(VolumeRootOf("//nas/photos/a.jpg"), "//nas/photos/");
  EXPECT_EQ(VolumeRootOf("\\\\?\\E:\\pics\\a.jpg"), "\\\\?\\E:\\");
  EXPECT_EQ(VolumeRootOf("\\\\?\\unc\\nas\\photos\\a.jpg"), "\\\\?\\unc\\nas\\photos\\");
  EXPECT_EQ(VolumeRootOf("\\\\.\\E:\\a.jpg"), "\\\\.\\E:\\");
  // A share named in Shift-JIS whose second byte is 5C: ソ is 83 5C.
  EXPECT_EQ(VolumeRootOf("\\\\ソ\\表ソ\\a.jpg"), "\\\\ソ\\表ソ\\");
  for (const char* onThisVolume : {"pics\\a.jpg", "\\pics\\a.jpg", "", "a.jpg", "\\\\nas", "\\\\nas\\",
                                   "\\\\\\photos\\a.jpg", "\\\\?\\", "\\\\?\\UNC\\nas", "1:\\a.jpg"}) {
    EXPECT_EQ(VolumeRootOf(onThisVolume), "") << onThisVolume;
  }
}

TEST(Folders, OnlyJunctionsAndLinksAreLinkedFolders) {
  constexpr unsigned long kFolder = 0x10, kLink = 0x410;
  EXPECT_FALSE(IsLinkedFolder(kFolder, 0));
  EXPECT_TRUE(IsLinkedFolder(kLink, 0xA0000003));  // junction
  EXPECT_TRUE(IsLinkedFolder(kLink, 0xA000000C));  // symbolic link
  EXPECT_TRUE(IsLinkedFolder(kLink, 2));           // what Wine reports for a host link
  EXPECT_FALSE(IsLinkedFolder(kLink, 0x9000001A));
  EXPECT_FALSE(IsLinkedFolder(kLink, 0x9000F01A));  // a numbered cloud tag
  EXPECT_FALSE(IsLinkedFolder(0x400, 0xA000000C));  // a link to a file
}

}  // namespace
