#include "app/app_error.h"

#include <gtest/gtest.h>

namespace {

TEST(ErrorBox, FullStopAfterTextsEndingAboveTheDot) {
  EXPECT_EQ(ErrorBoxText("ファイル C:\\a.pvl を作成できません"), "ファイル C:\\a.pvl を作成できません.");
  EXPECT_EQ(ErrorBoxText("Error"), "Error.");
  EXPECT_EQ(ErrorBoxText("Done."), "Done.");
  EXPECT_EQ(ErrorBoxText("(-)"), "(-)");
  EXPECT_EQ(ErrorBoxText("リストのインデックスが範囲を超えています (0)"), "リストのインデックスが範囲を超えています (0)");
  EXPECT_EQ(ErrorBoxText("a/"), "a/.");
  EXPECT_EQ(ErrorBoxText(""), "");
}

// The platform lowers the rest; here a stand-in marks what it was given.
TEST(ErrorBox, ApplicationTitleLowersAllButTheFirstCharacter) {
  auto lower = [](std::string_view text) { return "<" + std::string(text) + ">"; };
  EXPECT_EQ(ApplicationTitle("Tirvane.exe", lower), "T<irvane>");
  EXPECT_EQ(ApplicationTitle("my.APP.exe", lower), "m<y>");
  EXPECT_EQ(ApplicationTitle("F", lower), "F<>");
  EXPECT_EQ(ApplicationTitle(".exe", lower), "");
  // A double-byte first character stays whole.
  EXPECT_EQ(ApplicationTitle("表ABC.exe", lower), "表<ABC>");
  EXPECT_EQ(ApplicationTitle("ＡＢ.exe", lower), "Ａ<Ｂ>");
  // A lead byte cut off by the "." is passed on as it is.
  EXPECT_EQ(ApplicationTitle("\x83", lower), "\x83<>");
}

TEST(ErrorBox, FillInReplacesThePlaceholder) {
  EXPECT_EQ(FillIn("ファイル %s は開けません", "C:\\表.pvl"), "ファイル C:\\表.pvl は開けません");
  EXPECT_EQ(FillIn("リストのインデックスが範囲を超えています (%d)", "-1"), "リストのインデックスが範囲を超えています (-1)");
  EXPECT_EQ(FillIn("%s に書き込めません", "C:\\a.ini"), "C:\\a.ini に書き込めません");
}

}  // namespace

// A lack of memory reads as a failure the program handles, in words the user
// reads, never as the library's English name for it.
TEST(ErrorBox, LackOfMemoryIsAFailureWithAJapaneseText) {
  auto failureOf = [](auto&& work) -> std::string {
    try {
      LackOfMemoryAsAppError(work);
    } catch (const AppError& error) {
      return error.what();
    }
    return "(none)";
  };
  EXPECT_EQ(failureOf([] { throw std::bad_alloc(); }), kOutOfMemory);
  EXPECT_EQ(failureOf([] { std::string().reserve(std::string().max_size() + 1); }), kOutOfMemory);
  EXPECT_EQ(failureOf([] { throw AppError("ファイル a は開けません"); }), "ファイル a は開けません");
  EXPECT_EQ(failureOf([] {}), "(none)");
  EXPECT_THROW(LackOfMemoryAsAppError([] { throw std::out_of_range("x"); }), std::out_of_range);
  EXPECT_EQ(LackOfMemoryAsAppError([] { return 7; }), 7);

  EXPECT_EQ(MessageOf(std::bad_alloc()), kOutOfMemory);
  EXPECT_EQ(MessageOf(std::length_error("vector::_M_default_append")), kOutOfMemory);
  EXPECT_EQ(MessageOf(AppError("画像ファイル a は壊れています")), "画像ファイル a は壊れています");
  EXPECT_EQ(ErrorBoxText(MessageOf(std::bad_alloc())), "メモリが足りません.");
}
