#pragma once
// The desktop wallpaper: the picture composed into a bitmap file and
// registered as the current user's wallpaper.

#include <cstdint>
#include <string>

#include "picture/picture.h"

struct WallpaperChoice {
  bool autoSize = true;  // scaled to the screen
  bool tile = true;
  bool atWindow = false;  // placed at the window's top left
  std::int64_t windowLeft = 0;
  std::int64_t windowTop = 0;
};

// Writes the picture as the bitmap file at path, sized and placed as
// chosen, and makes it the wallpaper. A picture that cannot be drawn fails
// before anything is written.
void SetDesktopWallpaper(Picture& picture, const std::string& path, const WallpaperChoice& choice);
