#include "view/fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/app_error.h"
#include "picture/rounding.h"
#include "view/splitter_width.h"

namespace {

struct FitCase {
  int cw, ch, pw, ph, listWidth;
  double scale;
  int width, height, left;
};

TEST(FitPicture, WorkedExamples) {
  const FitCase cases[] = {
      // Fills the height: 500 / 1200, 667 x 500 at 169 + 3 + 66.
      {800, 500, 1600, 1200, 169, 500.0L / 1200.0L, 667, 500, 238},
      // Equal aspects: the width decides.
      {400, 300, 800, 600, 169, 0.5, 400, 300, 172},
      // 187.5 rounds to the even 188.
      {375, 310, 100, 50, 169, 3.75, 375, 188, 172},
      // 184.5 rounds to the even 184, not 185.
      {300, 400, 200, 123, 169, 1.5, 300, 184, 172},
      // A closed list: the area starts 3 pixels from the left edge.
      {600, 300, 300, 300, 0, 1.0, 300, 300, 153},
      // A picture taller than wide in a wide area; odd free width halves toward zero.
      {501, 100, 10, 100, 169, 1.0, 10, 100, 417},
  };
  for (const FitCase& c : cases) {
    Fit fit = FitPicture(c.cw, c.ch, c.pw, c.ph, c.listWidth);
    SCOPED_TRACE(testing::Message() << c.cw << "x" << c.ch << " " << c.pw << "x" << c.ph);
    EXPECT_EQ(fit.scale, c.scale);
    EXPECT_EQ(fit.width, c.width);
    EXPECT_EQ(fit.height, c.height);
    EXPECT_EQ(fit.left, c.left);
  }
}

TEST(FitPicture, AspectsComparedInExtendedPrecision) {
  // The two aspects are equal as doubles, so a double comparison would let
  // the width decide; in 80 bits the area is the flatter one and the height
  // decides, which gives a different double scale.
  const int cw = 2000000054, ch = 2000000052, pw = 2000000057, ph = 2000000055;
  ASSERT_EQ(static_cast<double>(ch) / cw, static_cast<double>(ph) / pw);
  Fit fit = FitPicture(cw, ch, pw, ph, 0);
  EXPECT_EQ(fit.scale, static_cast<double>(static_cast<long double>(ch) / ph));
  EXPECT_NE(fit.scale, static_cast<double>(static_cast<long double>(cw) / pw));
}

TEST(FitPicture, ScaleIsStoredAsDoubleBeforeRounding) {
  // 1/3 as a double is a little below 1/3, so 3 x s is a little below 1 in
  // extended precision and still rounds to 1.
  Fit fit = FitPicture(1, 3, 3, 3, 0);
  EXPECT_EQ(fit.scale, 1.0 / 3.0);
  EXPECT_EQ(fit.width, 1);
  EXPECT_EQ(fit.height, 1);
}

TEST(RoundHalfEven, TiesGoToEven) {
  EXPECT_EQ(RoundHalfEven(184.5L), 184);
  EXPECT_EQ(RoundHalfEven(187.5L), 188);
  EXPECT_EQ(RoundHalfEven(0.5L), 0);
  EXPECT_EQ(RoundHalfEven(-0.5L), 0);
  EXPECT_EQ(RoundHalfEven(-1.5L), -2);
  EXPECT_EQ(RoundHalfEven(2.4999L), 2);
}

TEST(RoundHalfEven, InvalidOperationsRaiseTheRuntimeError) {
  const long double nan = std::numeric_limits<long double>::quiet_NaN();
  const long double inf = std::numeric_limits<long double>::infinity();
  for (long double x : {nan, inf, -inf, 1e30L}) {
    try {
      RoundHalfEven(x);
      ADD_FAILURE() << "no error for " << static_cast<double>(x);
    } catch (const AppError& error) {
      EXPECT_STREQ(error.what(), "不正な浮動小数点数演算命令");
    }
  }
  EXPECT_THROW(CheckedValue(nan), AppError);
  EXPECT_EQ(CheckedValue(inf), inf);
}

TEST(ListWidthAfterDrag, KeepsThirtyPixelsRightAndClosesNarrowLists) {
  EXPECT_EQ(ListWidthAfterDrag(169, 50, 547), 219);
  EXPECT_EQ(ListWidthAfterDrag(169, -50, 547), 119);
  EXPECT_EQ(ListWidthAfterDrag(169, 1000, 547), 514);  // 547 - 33
  EXPECT_EQ(ListWidthAfterDrag(169, -138, 547), 31);
  EXPECT_EQ(ListWidthAfterDrag(169, -139, 547), 0);
  EXPECT_EQ(ListWidthAfterDrag(169, -500, 547), 0);
  EXPECT_EQ(ListWidthAfterDrag(0, 40, 547), 40);
  // A window too narrow for both keeps the list closed.
  EXPECT_EQ(ListWidthAfterDrag(169, 0, 60), 0);
}

}  // namespace
