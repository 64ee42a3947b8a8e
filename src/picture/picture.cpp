#include "picture/picture.h"

#include <cstring>
#include <span>
#include <utility>

#include "app/app_error.h"
#include "app/file_io.h"
#include "app/path_rules.h"
#include "app/platform.h"
#include "picture/bitmap_reader.h"
#include "picture/dib_section.h"
#include "picture/picture_headers.h"
#include "picture/png_icon.h"
#include "picture/resample.h"
#include "win/handles.h"

namespace {

PictureKind KindOfExtension(const std::string& path) {
  PictureKind kind = PictureKindOfName(path);
  if (kind == PictureKind::None) throw AppError(FillIn(kUnknownPictureKind, ExtensionOf(path)));
  return kind;
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
  OwnedIcon icon;
  OwnedEnhMetaFile metafile;
  auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(data.data()), data.size());

  switch (kind) {
    case PictureKind::Jpeg: size = ReadJpegHeader(bytes); break;
    case PictureKind::Bitmap:
      full = ReadBitmap(path, bytes);
      size = {full.width, full.height};
      break;
    case PictureKind::Icon: {
      auto image = FirstIconImage(bytes);
      if (!image) throw AppError(FillIn(kDamagedPicture, path));
      size = {image->width, image->height};
      if (!image->png.empty()) {
        icon.Reset(IconFromPng(image->png));
      } else {
        icon.Reset(static_cast<HICON>(
            LoadImageA(nullptr, path.c_str(), IMAGE_ICON, size.width, size.height, LR_LOADFROMFILE)));
      }
      if (!icon) throw AppError(FillIn(kDamagedPicture, path));
      break;
    }
    case PictureKind::EnhMetafile: {
      metafile.Reset(SetEnhMetaFileBits(static_cast<UINT>(data.size()), bytes.data()));
      ENHMETAHEADER header{};
      if (!metafile || !GetEnhMetaFileHeader(metafile.Get(), sizeof header, &header)) {
        throw AppError(FillIn(kDamagedPicture, path));
      }
      // The frame is given in hundredths of a millimetre.
      size.width = MulDiv(header.rclFrame.right - header.rclFrame.left, ScreenDpi(true), 2540);
      size.height = MulDiv(header.rclFrame.bottom - header.rclFrame.top, ScreenDpi(false), 2540);
      break;
    }
    case PictureKind::WinMetafile: {
      // Only a placeable metafile says how large it is.
      auto bounds = ReadPlaceableHeader(bytes);
      if (!bounds) throw AppError(FillIn(kDamagedPicture, path));
      METAFILEPICT picture{MM_ANISOTROPIC, MulDiv(bounds->width, 2540, bounds->inch),
                           MulDiv(bounds->height, 2540, bounds->inch), nullptr};
      metafile.Reset(SetWinMetaFileBits(static_cast<UINT>(data.size() - kPlaceableHeaderSize),
                                        bytes.data() + kPlaceableHeaderSize, nullptr, &picture));
      if (!metafile) throw AppError(FillIn(kDamagedPicture, path));
      size.width = MulDiv(bounds->width, ScreenDpi(true), bounds->inch);
      size.height = MulDiv(bounds->height, ScreenDpi(false), bounds->inch);
      break;
    }
    case PictureKind::None: break;
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
  icon_ = std::move(icon);
  metafile_ = std::move(metafile);
  failure_.clear();
}

namespace {

// A Windows metafile of the enhanced one, behind the 22-byte placeable
// header that gives its bounds (in twips) and a checksum.
std::string PlaceableMetafile(HENHMETAFILE metafile) {
  std::string records;
  {
    WindowDC screen(nullptr);
    UINT size = GetWinMetaFileBits(metafile, 0, nullptr, MM_ANISOTROPIC, screen.Get());
    records.resize(size);
    if (size) GetWinMetaFileBits(metafile, size, reinterpret_cast<BYTE*>(records.data()), MM_ANISOTROPIC, screen.Get());
  }
  if (records.empty()) throw AppError(kWriteError);
  ENHMETAHEADER header{};
  GetEnhMetaFileHeader(metafile, sizeof header, &header);
  // The frame is in hundredths of a millimetre.
  auto twips = [](LONG hundredths) { return static_cast<std::uint16_t>(MulDiv(hundredths, kTwipsPerInch, 2540)); };
  return PlaceableHeader(twips(header.rclFrame.right - header.rclFrame.left),
                         twips(header.rclFrame.bottom - header.rclFrame.top)) +
         records;
}

}  // namespace

void Picture::SaveToFile(const std::string& path) const {
  if (kind_ == PictureKind::None) return;
  bool asWindowsMetafile = kind_ == PictureKind::EnhMetafile && HasExtension(path, ".wmf");
  ReplaceWholeFile(path, asWindowsMetafile ? PlaceableMetafile(metafile_.Get()) : data_);
}

void Picture::Release() {
  icon_.Reset();
  metafile_.Reset();
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
    case PictureKind::Bitmap: DrawPixels(dc, bounds, full_); break;
    case PictureKind::Icon:
      DrawIconEx(dc, bounds.left, bounds.top, icon_.Get(), bounds.right - bounds.left, bounds.bottom - bounds.top, 0,
                 nullptr, DI_NORMAL);
      break;
    case PictureKind::EnhMetafile:
    case PictureKind::WinMetafile: PlayEnhMetaFile(dc, metafile_.Get(), &bounds); break;
    case PictureKind::None: break;
  }
}

void Picture::DrawPixels(HDC dc, const RECT& bounds, const Pixels& source) {
  int width = bounds.right - bounds.left;
  int height = bounds.bottom - bounds.top;
  if (width <= 0 || height <= 0 || source.width <= 0 || source.height <= 0) return;
  if (scaled_.width != width || scaled_.height != height) Resample(source, width, height, scaled_);
  BITMAPINFO format = BgrxFormat(width, -height);
  SetDIBitsToDevice(dc, bounds.left, bounds.top, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                    static_cast<UINT>(height), scaled_.bgrx.data(), &format, DIB_RGB_COLORS);
}
