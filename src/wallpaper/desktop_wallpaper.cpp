#include "wallpaper/desktop_wallpaper.h"

#include <windows.h>

#include <cstring>

#include "app/app_error.h"
#include "app/file_io.h"
#include "picture/dib_section.h"
#include "picture/pixels.h"
#include "wallpaper/bmp_writer.h"
#include "wallpaper/wallpaper_layout.h"
#include "win/handles.h"

namespace {

// The picture drawn stretched into a white 32-bit bitmap of the given size,
// as the bitmap file's bottom-up rows.
std::string ComposeBitmap(Picture& picture, int width, int height) {
  std::string rows(PixelBytes(width, height), '\0');
  if (rows.empty()) return rows;
  void* bits = nullptr;
  GdiObject<HBITMAP> bitmap(CreateBgrxSection(width, height, &bits));  // bottom-up, as the file keeps them
  MemoryDC dc(CreateCompatibleDC(nullptr));
  ScopedSelect selected(dc.Get(), bitmap.Get());
  std::memset(bits, 0xFF, rows.size());
  RECT bounds{0, 0, width, height};
  picture.Draw(dc.Get(), bounds);
  GdiFlush();
  const auto* pixels = static_cast<const char*>(bits);
  for (std::size_t i = 0; i < rows.size(); i += 4) {
    rows[i] = pixels[i];
    rows[i + 1] = pixels[i + 1];
    rows[i + 2] = pixels[i + 2];  // the fourth byte stays 0
  }
  return rows;
}

// Writes one value under Control Panel\Desktop, with its terminating NUL.
void WriteDesktopValue(HKEY controlPanel, const char* name, const std::string& text) {
  OwnedKey desktop;
  LONG status = RegOpenKeyExA(controlPanel, "Desktop", 0, KEY_ALL_ACCESS, desktop.Out());
  if (status == ERROR_FILE_NOT_FOUND) {
    status = RegCreateKeyExA(controlPanel, "Desktop", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, desktop.Out(), nullptr);
    if (status != ERROR_SUCCESS) throw AppError(FillIn(kCannotCreateKey, "Desktop"));
  } else if (status != ERROR_SUCCESS) {
    return;  // there, but not ours to open: this value is skipped
  }
  if (RegSetValueExA(desktop.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>(text.size() + 1)) != ERROR_SUCCESS) {
    throw AppError(FillIn(kCannotSetValue, name));
  }
}

}  // namespace

void SetDesktopWallpaper(Picture& picture, const std::string& path, const WallpaperChoice& choice) {
  WallpaperLayout layout = LayOutWallpaper(picture.Width(), picture.Height(), GetSystemMetrics(SM_CXSCREEN),
                                           GetSystemMetrics(SM_CYSCREEN), choice.autoSize);
  // A picture whose data the view could not decode fails here the same way,
  // before anything is written: it would otherwise become a white wallpaper.
  if (!picture.DrawFailure().empty()) throw AppError(picture.DrawFailure());
  Bmp32ImageSize(layout.width, layout.height);  // refuses a size the file cannot hold before any memory is taken
  ReplaceWholeFile(path, EncodeBmp32(layout.width, layout.height, ComposeBitmap(picture, layout.width, layout.height)));

  OwnedKey controlPanel;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, controlPanel.Out(),
                      nullptr) != ERROR_SUCCESS) {
    throw AppError(FillIn(kCannotCreateKey, "Control Panel"));
  }
  WriteDesktopValue(controlPanel.Get(), "TileWallpaper", choice.tile ? "1" : "0");
  WriteDesktopValue(controlPanel.Get(), "Wallpaper", path);
  std::int64_t x, y;
  if (choice.atWindow) {
    x = choice.windowLeft;
    y = choice.windowTop;
  } else {
    x = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), layout.width);
    y = CentredOrigin(GetSystemMetrics(SM_CYSCREEN), layout.height);
  }
  WriteDesktopValue(controlPanel.Get(), "WallPaperOriginX", std::to_string(x));
  WriteDesktopValue(controlPanel.Get(), "WallPaperOriginY", std::to_string(y));
  // Windows 8 and later decide the fit by this value before they look at
  // TileWallpaper (a new installation has 10, fill): 0 lets the tile and
  // centre choice above take effect. They ignore the origin values.
  WriteDesktopValue(controlPanel.Get(), "WallpaperStyle", "0");
  controlPanel.Reset();
  SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, const_cast<char*>(path.c_str()), SPIF_SENDWININICHANGE);
}
