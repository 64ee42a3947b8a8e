#pragma once
// Fitting a picture into the view area, in the scale arithmetic shared with
// the wallpaper: ratios in 80-bit extended precision, the scale kept as a
// double, whole pixels rounded half to even.

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
