#include "archive/archive_paths.h"

#include <gtest/gtest.h>

#include "app/path_rules.h"
#include "list/gathering.h"

namespace {

TEST(UpperCase, RaisesSingleByteLettersOnly) {
  EXPECT_EQ(UpperCase("c:\\pics\\a.jpeg"), "C:\\PICS\\A.JPEG");
  // ヂ is 83 61 and ａ is 82 81: a second byte that looks like "a" stays.
  EXPECT_EQ(UpperCase("ヂａx.lzh"), "ヂａX.LZH");
  EXPECT_EQ(UpperCase("ｶﾀｶﾅ.bmp"), "ｶﾀｶﾅ.BMP");
}

TEST(ArchiveMember, IsDecidedByTheFolderPartsExtension) {
  EXPECT_TRUE(IsArchiveMember("D:\\pics\\trip.lzh\\photos/beach.jpg"));
  EXPECT_TRUE(IsArchiveMember("D:\\pics\\Trip.LzH\\a.bmp"));
  EXPECT_FALSE(IsArchiveMember("C:\\x.lzh\\y\\a.jpg"));
  // A folder named like an archive counts too; the extraction then finds nothing.
  EXPECT_TRUE(IsArchiveMember("C:\\box.lzh\\a.jpg"));
  EXPECT_FALSE(IsArchiveMember("D:\\pics\\trip.lzh"));
  EXPECT_FALSE(IsArchiveMember("D:\\pics\\trip.lha\\a.jpg"));
  EXPECT_FALSE(IsArchiveMember("a.jpg"));
  // The 5C second byte of 表 is no delimiter.
  EXPECT_TRUE(IsArchiveMember("C:\\表.lzh\\写真.jpg"));
  EXPECT_FALSE(IsArchiveMember("C:\\a.lzh表.jpg"));
}

TEST(ArchiveMember, NameAfterLastSlash) {
  EXPECT_EQ(NameAfterLastSlash("photos/2001/beach.jpg"), "beach.jpg");
  EXPECT_EQ(NameAfterLastSlash("beach.jpg"), "beach.jpg");
  EXPECT_EQ(NameAfterLastSlash("photos/"), "");
  EXPECT_EQ(NameAfterLastSlash("a\\b.jpg"), "a\\b.jpg");
}

TEST(ArchiveMember, PictureMembersAreBmpAndJpgInAnyCase) {
  EXPECT_TRUE(IsListedPictureName("photos/Photo.Jpg"));
  EXPECT_TRUE(IsListedPictureName("a.BMP"));
  EXPECT_FALSE(IsListedPictureName("photo.jpeg"));
  EXPECT_FALSE(IsListedPictureName("readme.txt"));
  EXPECT_FALSE(IsListedPictureName("jpg"));
}

TEST(ArchiveMember, NameComesFromTheRecordUpToItsNul) {
  char record[kEntryRecordSize] = {};
  std::fill(record, record + kEntryNameOffset, 'x');
  std::string name = "写真/表示.jpg";
  name.copy(record + kEntryNameOffset, name.size());
  EXPECT_EQ(MemberNameFromRecord(record), name);
  // A library that leaves no NUL gives all 514 bytes, never the fields after them.
  std::fill(record, record + kEntryRecordSize, 'n');
  EXPECT_EQ(MemberNameFromRecord(record), std::string(kEntryNameSize, 'n'));
}

TEST(ArchiveMember, ExtractionCommandQuotesPiecesWithSpacesOrALeadingDash) {
  EXPECT_EQ(ExtractionCommandLine("D:\\pics\\trip.lzh", "C:\\TEMP\\Tirvane\\", "photos/beach.jpg"),
            "e -m -p -n -y -gm -jd300K D:\\pics\\trip.lzh C:\\TEMP\\Tirvane\\ photos/beach.jpg");
  EXPECT_EQ(ExtractionCommandLine("C:\\My Pictures\\a.lzh", "C:\\Documents and Settings\\Temp\\Tirvane\\",
                                  "new folder/b c.jpg"),
            "e -m -p -n -y -gm -jd300K \"C:\\My Pictures\\a.lzh\" "
            "\"C:\\Documents and Settings\\Temp\\Tirvane\\\" \"new folder/b c.jpg\"");
  EXPECT_EQ(ExtractionCommandLine("a.lzh", "C:\\T\\", "-cover.jpg"),
            "e -m -p -n -y -gm -jd300K a.lzh C:\\T\\ \"-cover.jpg\"");
}

TEST(ArchiveLibrary, SearchedInThePlatformsOrderButNeverInTheCurrentFolder) {
  EXPECT_EQ(LibrarySearchFolders("C:\\Program Files\\Tirvane", "C:\\Windows\\system32", "C:\\Windows",
                                 "C:\\Tools;.;;bin;\"C:\\Quoted Dir\";\\\\server\\share;..\\up;D:relative"),
            (std::vector<std::string>{"C:\\Program Files\\Tirvane", "C:\\Windows\\system32", "C:\\Windows\\System",
                                      "C:\\Windows", "C:\\Tools", "C:\\Quoted Dir", "\\\\server\\share"}));
  EXPECT_EQ(LibrarySearchFolders("C:\\a", "", "", ""), std::vector<std::string>{"C:\\a"});
  EXPECT_EQ(LibrarySearchFolders("C:\\a", "C:\\W\\system32", "C:\\W\\", ""),
            (std::vector<std::string>{"C:\\a", "C:\\W\\system32", "C:\\W\\System", "C:\\W\\"}));
}

}  // namespace
