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

TEST(ErrorBox, ApplicationTitleFromExecutableName) {
  EXPECT_EQ(ApplicationTitle("Tirvane.exe"), "Tirvane");
  EXPECT_EQ(ApplicationTitle("TIRVANE.EXE"), "Tirvane");
  EXPECT_EQ(ApplicationTitle("my.APP.exe"), "my");
  EXPECT_EQ(ApplicationTitle("Foo"), "Foo");
  EXPECT_EQ(ApplicationTitle("表ABC.exe"), "表abc");
}

TEST(ErrorBox, FillInReplacesThePlaceholder) {
  EXPECT_EQ(FillIn("ファイル %s は開けません", "C:\\表.pvl"), "ファイル C:\\表.pvl は開けません");
  EXPECT_EQ(FillIn("リストのインデックスが範囲を超えています (%d)", "-1"), "リストのインデックスが範囲を超えています (-1)");
  EXPECT_EQ(FillIn("%s に書き込めません", "C:\\a.ini"), "C:\\a.ini に書き込めません");
}

}  // namespace
