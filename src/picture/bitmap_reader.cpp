#include "picture/bitmap_reader.h"

#include <windows.h>

#include <cstring>

#include "app/app_error.h"
#include "picture/bitmap_header.h"
#include "picture/dib_section.h"
#include "win/handles.h"

// The platform turns the pixels of every depth and compression into
// 32-bit ones.
Pixels ReadBitmap(const std::string& path, std::span<const std::uint8_t> data) {
  auto source = ReadBitmapSource(data);
  if (!source) throw AppError(FillIn(kDamagedPicture, path));
  Pixels pixels;
  pixels.Resize(source->width, source->height);
  void* bits = nullptr;
  GdiObject<HBITMAP> bitmap(CreateBgrxSection(source->width, -source->height, &bits));
  MemoryDC dc(CreateCompatibleDC(nullptr));
  int rows = SetDIBits(dc.Get(), bitmap.Get(), 0, static_cast<UINT>(source->height), source->bits.data(),
                       reinterpret_cast<const BITMAPINFO*>(source->info.data()), DIB_RGB_COLORS);
  GdiFlush();
  if (rows <= 0) throw AppError(FillIn(kDamagedPicture, path));
  std::memcpy(pixels.bgrx.data(), bits, pixels.bgrx.size());
  for (std::size_t i = 3; i < pixels.bgrx.size(); i += 4) pixels.bgrx[i] = 0;
  return pixels;
}
