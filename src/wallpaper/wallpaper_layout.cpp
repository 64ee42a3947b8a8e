#include "wallpaper/wallpaper_layout.h"

#include "view/fit.h"

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
  // C++ division truncates toward zero, as div does.
  layout.centredX = (static_cast<std::int64_t>(screenWidth) - width) / 2;
  layout.centredY = (static_cast<std::int64_t>(screenHeight) - height) / 2;
  return layout;
}
