#include "picture/dib_section.h"

#include "app/app_error.h"

BITMAPINFO BgrxFormat(int width, int height) {
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = height;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  return format;
}

HBITMAP CreateBgrxSection(int width, int height, void** bits) {
  BITMAPINFO format = BgrxFormat(width, height);
  HBITMAP bitmap = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, bits, nullptr, 0);
  if (!bitmap) throw AppError(kCannotMakeBitmap);
  return bitmap;
}
