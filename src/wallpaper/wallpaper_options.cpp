#include "wallpaper/wallpaper_options.h"

std::string CaptionAfterSwitch(std::string_view caption, bool wasOn) {
  if (!wasOn) return std::string(kOptionMark) + std::string(caption);
  if (caption.size() <= 2) return {};
  return std::string(caption.substr(2, 100));
}
