#include "view/picture.h"

#include <cstring>
#include <span>
#include <utility>

#include "app/app_error.h"
#include "app/file_io.h"
#include "app/path_rules.h"
#include "app/platform.h"
#include "view/bitmap_file.h"
#include "view/png_icon.h"
#include "view/resample.h"

namespace {

constexpr const char* kUnknownKind = "画像形式が不明です (%s)";

PictureKind KindOfExtension(const std::string& path) {
  std::string extension = UpperCase(ExtensionOf(path));
  if (extension == ".JPG" || extension == ".JPEG") return PictureKind::Jpeg;
  if (extension == ".BMP") return PictureKind::Bitmap;
  if (extension == ".ICO") return PictureKind::Icon;
  if (extension == ".EMF") return PictureKind::EnhMetafile;
  if (extension == ".WMF") return PictureKind::WinMetafile;
  throw AppError(FillIn(kUnknownKind, ExtensionOf(path)));
}

std::uint16_t Word(const std::string& data, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(data[at]) |
                                    static_cast<unsigned char>(data[at + 1]) << 8);
}

}  // namespace

void Picture::LoadFromFile(const std::string& path) {
  LackOfMemoryAsAppError([&] { Load(path); });
}

void Picture::Load(const std::string& path) {
  PictureKind kind = KindOfExtension(path);
  std::string data = ReadWholeFile(path);
  PictureSize size;
  Pixels full;
  HICON icon = nullptr;
  HENHMETAFILE metafile = nullptr;
  auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(data.data()), data.size());

  switch (kind) {
    case PictureKind::Jpeg:
      size = ReadJpegHeader(bytes);
      break;
    case PictureKind::Bitmap:
      full = ReadBitmap(path, bytes);
      size = {full.width, full.height};
      break;
    case PictureKind::Icon: {
      // The first image of the icon directory; a size byte of 0 means 256.
      if (data.size() < 22 || Word(data, 0) != 0 || Word(data, 2) != 1 || Word(data, 4) == 0) {
        throw AppError(FillIn(kDamagedPicture, path));
      }
      size.width = static_cast<unsigned char>(data[6]) ? static_cast<unsigned char>(data[6]) : 256;
      size.height = static_cast<unsigned char>(data[7]) ? static_cast<unsigned char>(data[7]) : 256;
      if (auto png = FirstPngImage(bytes); !png.empty()) {
        icon = IconFromPng(png);
      } else {
        icon = static_cast<HICON>(LoadImageA(nullptr, path.c_str(), IMAGE_ICON, size.width, size.height, LR_LOADFROMFILE));
      }
      if (!icon) throw AppError(FillIn(kDamagedPicture, path));
      break;
    }
    case PictureKind::EnhMetafile: {
      metafile = SetEnhMetaFileBits(static_cast<UINT>(data.size()), bytes.data());
      ENHMETAHEADER header{};
      if (!metafile || !GetEnhMetaFileHeader(metafile, sizeof header, &header)) {
        if (metafile) DeleteEnhMetaFile(metafile);
        throw AppError(FillIn(kDamagedPicture, path));
      }
      // The frame is given in hundredths of a millimetre.
      size.width = MulDiv(header.rclFrame.right - header.rclFrame.left, ScreenDpi(true), 2540);
      size.height = MulDiv(header.rclFrame.bottom - header.rclFrame.top, ScreenDpi(false), 2540);
      break;
    }
    case PictureKind::WinMetafile: {
      // Only a placeable metafile says how large it is: its 22-byte header
      // holds the bounds in units of which "inch" make an inch.
      constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
      if (data.size() <= 22 || (Word(data, 0) | static_cast<std::uint32_t>(Word(data, 2)) << 16) != kPlaceableKey) {
        throw AppError(FillIn(kDamagedPicture, path));
      }
      int width = static_cast<std::int16_t>(Word(data, 10)) - static_cast<std::int16_t>(Word(data, 6));
      int height = static_cast<std::int16_t>(Word(data, 12)) - static_cast<std::int16_t>(Word(data, 8));
      int inch = Word(data, 14);
      if (inch == 0) throw AppError(FillIn(kDamagedPicture, path));
      METAFILEPICT picture{MM_ANISOTROPIC, MulDiv(width, 2540, inch), MulDiv(height, 2540, inch), nullptr};
      metafile = SetWinMetaFileBits(static_cast<UINT>(data.size() - 22), bytes.data() + 22, nullptr, &picture);
      if (!metafile) throw AppError(FillIn(kDamagedPicture, path));
      size.width = MulDiv(width, ScreenDpi(true), inch);
      size.height = MulDiv(height, ScreenDpi(false), inch);
      break;
    }
    case PictureKind::None:
      break;
  }

  // The same JPEG read again (a resize reads the file afresh) keeps its
  // decoded pixels.
  bool sameJpeg = kind == PictureKind::Jpeg && kind_ == PictureKind::Jpeg && data == data_;
  if (!sameJpeg) {
    Release();
    full_ = std::move(full);
    scaled_ = {};
    decodedEighths_ = 0;
  }
  kind_ = kind;
  data_ = std::move(data);
  size_ = size;
  icon_ = icon;
  metafile_ = metafile;
  failure_.clear();
}

namespace {

void PutWord(std::string& out, std::uint16_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>(value >> 8);
}

// A Windows metafile of the enhanced one, behind the 22-byte placeable
// header that gives its bounds (in twips) and a checksum.
std::string PlaceableMetafile(HENHMETAFILE metafile) {
  HDC screen = GetDC(nullptr);
  UINT size = GetWinMetaFileBits(metafile, 0, nullptr, MM_ANISOTROPIC, screen);
  std::string records(size, '\0');
  if (size) GetWinMetaFileBits(metafile, size, reinterpret_cast<BYTE*>(records.data()), MM_ANISOTROPIC, screen);
  ReleaseDC(nullptr, screen);
  if (records.empty()) throw AppError("ストリームへの書き込みエラー");
  ENHMETAHEADER header{};
  GetEnhMetaFileHeader(metafile, sizeof header, &header);
  constexpr int kTwipsPerInch = 1440;
  // The frame is in hundredths of a millimetre.
  auto twips = [](LONG hundredths) { return static_cast<std::uint16_t>(MulDiv(hundredths, kTwipsPerInch, 2540)); };
  std::string placeable;
  PutWord(placeable, 0xCDD7);
  PutWord(placeable, 0x9AC6);
  PutWord(placeable, 0);  // no handle
  PutWord(placeable, 0);
  PutWord(placeable, 0);
  PutWord(placeable, twips(header.rclFrame.right - header.rclFrame.left));
  PutWord(placeable, twips(header.rclFrame.bottom - header.rclFrame.top));
  PutWord(placeable, kTwipsPerInch);
  PutWord(placeable, 0);  // reserved
  PutWord(placeable, 0);
  std::uint16_t checksum = 0;
  for (std::size_t i = 0; i < placeable.size(); i += 2) checksum ^= Word(placeable, i);
  PutWord(placeable, checksum);
  return placeable + records;
}

}  // namespace

void Picture::SaveToFile(const std::string& path) const {
  if (kind_ == PictureKind::None) return;
  bool asWindowsMetafile = kind_ == PictureKind::EnhMetafile && HasExtension(path, ".wmf");
  ReplaceWholeFile(path, asWindowsMetafile ? PlaceableMetafile(metafile_) : data_);
}

void Picture::Release() {
  if (icon_) DestroyIcon(icon_);
  if (metafile_) DeleteEnhMetaFile(metafile_);
  icon_ = nullptr;
  metafile_ = nullptr;
}

void Picture::Draw(HDC dc, const RECT& bounds) {
  switch (kind_) {
    case PictureKind::Jpeg: {
      if (!failure_.empty()) return;
      PictureSize wanted{bounds.right - bounds.left, bounds.bottom - bounds.top};
      if (JpegScaleEighths(size_, wanted) > decodedEighths_) {
        auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(data_.data()), data_.size());
        try {
          LackOfMemoryAsAppError([&] { DecodeJpeg(bytes, wanted, full_); });
        } catch (const AppError& error) {
          failure_ = error.what();
          full_ = {};
          decodedEighths_ = 0;
          throw;
        }
        decodedEighths_ = JpegScaleEighths(size_, wanted);
        scaled_ = {};
      }
      DrawPixels(dc, bounds, full_);
      break;
    }
    case PictureKind::Bitmap:
      DrawPixels(dc, bounds, full_);
      break;
    case PictureKind::Icon:
      DrawIconEx(dc, bounds.left, bounds.top, icon_, bounds.right - bounds.left, bounds.bottom - bounds.top, 0,
                 nullptr, DI_NORMAL);
      break;
    case PictureKind::EnhMetafile:
    case PictureKind::WinMetafile:
      PlayEnhMetaFile(dc, metafile_, &bounds);
      break;
    case PictureKind::None:
      break;
  }
}

void Picture::DrawPixels(HDC dc, const RECT& bounds, const Pixels& source) {
  int width = bounds.right - bounds.left;
  int height = bounds.bottom - bounds.top;
  if (width <= 0 || height <= 0 || source.width <= 0 || source.height <= 0) return;
  if (scaled_.width != width || scaled_.height != height) Resample(source, width, height, scaled_);
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(dc, bounds.left, bounds.top, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                    static_cast<UINT>(height), scaled_.bgrx.data(), &format, DIB_RGB_COLORS);
}
