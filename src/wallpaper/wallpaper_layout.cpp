#include "wallpaper/wallpaper_layout.h"

#include "picture/rounding.h"

WallpaperLayout LayOutWallpaper(int pictureWidth, int pictureHeight, int screenWidth, int screenHeight,
                                bool fitToScreen) {
  const long double pw = pictureWidth, ph = pictureHeight, sw = screenWidth, sh = screenHeight;
  // With no picture, 0 / 0 is the invalid operation.
  const long double pictureAspect = CheckedValue(ph / pw);
  const long double screenAspect = CheckedValue(sh / sw);
  double scale = static_cast<double>(CheckedValue(pictureAspect > screenAspect ? sh / ph : sw / pw));
  if (!fitToScreen) scale = 1.0;
  WallpaperLayout layout{};
  layout.scale = scale;
  const std::int64_t height = RoundHalfEven(ph * scale);
  const std::int64_t width = RoundHalfEven(pw * scale);
  layout.height = static_cast<int>(height);
  layout.width = static_cast<int>(width);
  return layout;
}

std::int64_t CentredOrigin(int screenSide, int bitmapSide) {
  // C++ division truncates toward zero, as div does.
  return (static_cast<std::int64_t>(screenSide) - bitmapSide) / 2;
}
