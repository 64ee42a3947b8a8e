#pragma once
// The wallpaper's size and place on the screen, worked out as the desktop
// of old did: aspects compared in x87 extended precision, the scale kept as
// a double, sides rounded half to even.

#include <cstdint>

struct WallpaperLayout {
  double scale;
  int width;   // Round(picture width × scale)
  int height;  // Round(picture height × scale)
};

// Fits the picture inside the screen, touching both edges of one axis (the
// width rule when the aspects are equal); fitToScreen off keeps scale 1.0.
// Throws "不正な浮動小数点数演算命令" when there is no picture (width 0).
WallpaperLayout LayOutWallpaper(int pictureWidth, int pictureHeight, int screenWidth, int screenHeight,
                                bool fitToScreen);

// The origin that centres a side of the bitmap on the screen's side:
// (screen − side) div 2, formed in 64 bits and truncated toward 0.
std::int64_t CentredOrigin(int screenSide, int bitmapSide);
