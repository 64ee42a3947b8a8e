#include "view/fit.h"

#include "picture/rounding.h"
#include "view/splitter_width.h"

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
