#pragma once
// Fitting a picture into the view area, in the scale arithmetic shared with
// the wallpaper: ratios in 80-bit extended precision, the scale kept as a
// double, whole pixels rounded half to even.

#include <cstdint>

// x rounded to the nearest integer, ties to the even one (184.5 gives 184).
// Throws the floating-point error when x is not a number or does not fit.
std::int64_t RoundHalfEven(long double x);

// Throws "不正な浮動小数点数演算命令" when x is not a number.
long double CheckedValue(long double x);

// The splitter between the list and the view area.
inline constexpr int kSplitterWidth = 3;

struct Fit {
  double scale = 0;
  int width = 0;
  int height = 0;
  int left = 0;  // in client coordinates; the top stays at the view area's top
};

// The picture (pictureWidth x pictureHeight) scaled to fill the view area's
// width or height, whichever comes first, centred across it. The view area
// starts right of a list listWidth wide and the 3-pixel splitter.
// pictureWidth and viewWidth are not 0.
Fit FitPicture(int viewWidth, int viewHeight, int pictureWidth, int pictureHeight, int listWidth);

// The list's width after the splitter was dragged by dx: at most the client
// width less 33, so that 30 pixels stay right of the splitter, and 0 (the
// list closed) for 30 or less.
int ListWidthAfterDrag(int listWidth, int dx, int clientWidth);
