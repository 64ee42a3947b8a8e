#include "view/fit.h"

#include <cmath>

#include "app/app_error.h"

long double CheckedValue(long double x) {
  if (std::isnan(x)) throw AppError(kInvalidFloatOperation);
  return x;
}

std::int64_t RoundHalfEven(long double x) {
  CheckedValue(x);
  long double whole = std::nearbyint(x);  // the default rounding mode: ties to even
  if (!(std::fabs(whole) < 9.2e18L)) throw AppError(kInvalidFloatOperation);
  return static_cast<std::int64_t>(whole);
}

Fit FitPicture(int viewWidth, int viewHeight, int pictureWidth, int pictureHeight, int listWidth) {
  const long double cw = viewWidth, ch = viewHeight, pw = pictureWidth, ph = pictureHeight;
  const long double viewAspect = CheckedValue(ch / cw);
  const long double pictureAspect = CheckedValue(ph / pw);
  Fit fit;
  fit.scale = static_cast<double>(CheckedValue(viewAspect >= pictureAspect ? cw / pw : ch / ph));
  fit.height = static_cast<int>(RoundHalfEven(ph * fit.scale));
  fit.width = static_cast<int>(RoundHalfEven(pw * fit.scale));
  fit.left = (viewWidth - fit.width) / 2 + listWidth + kSplitterWidth;
  return fit;
}

int ListWidthAfterDrag(int listWidth, int dx, int clientWidth) {
  int width = listWidth + dx;
  int widest = clientWidth - 30 - kSplitterWidth;
  if (width > widest) width = widest;
  return width <= 30 ? 0 : width;
}
