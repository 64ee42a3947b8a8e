#include "view/png_icon.h"

#include <wincodec.h>

#include <cstring>
#include <vector>

#include "app/com_reference.h"
#include "view/bitmap_file.h"

namespace {

std::uint32_t Little32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

// Larger than any icon image; a PNG of more is no icon's.
constexpr UINT kMostSide = 1024;

}  // namespace

std::span<const std::uint8_t> FirstPngImage(std::span<const std::uint8_t> iconFile) {
  constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (iconFile.size() < 22) return {};
  const std::uint32_t size = Little32(iconFile, 14), offset = Little32(iconFile, 18);
  if (offset > iconFile.size() || size > iconFile.size() - offset || size < sizeof kSignature) return {};
  auto image = iconFile.subspan(offset, size);
  return std::memcmp(image.data(), kSignature, sizeof kSignature) == 0 ? image : std::span<const std::uint8_t>();
}

HICON IconFromPng(std::span<const std::uint8_t> png) {
  ComReference<IWICImagingFactory> factory;
  ComReference<IWICStream> stream;
  ComReference<IWICBitmapDecoder> decoder;
  ComReference<IWICBitmapFrameDecode> frame;
  ComReference<IWICFormatConverter> converter;
  UINT width = 0, height = 0;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                              factory.Out())) ||
      FAILED(factory->CreateStream(stream.Address())) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(png.data()), static_cast<DWORD>(png.size()))) ||
      FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                              decoder.Address())) ||
      FAILED(decoder->GetFrame(0, frame.Address())) || FAILED(factory->CreateFormatConverter(converter.Address())) ||
      FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom)) ||
      FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 || width > kMostSide ||
      height > kMostSide) {
    return nullptr;
  }
  // Every pixel's alpha decides; the mask lets all of them through. Taken
  // before the bitmap, so that a lack of memory leaves no bitmap behind.
  const std::vector<std::uint8_t> zeros((width + 15) / 16 * 2 * height, 0);
  void* bits = nullptr;
  HBITMAP colour = CreateBgrxSection(static_cast<int>(width), -static_cast<int>(height), &bits);
  const UINT stride = width * 4;
  HICON icon = nullptr;
  if (SUCCEEDED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) {
    HBITMAP mask = CreateBitmap(static_cast<int>(width), static_cast<int>(height), 1, 1, zeros.data());
    ICONINFO parts{TRUE, 0, 0, mask, colour};
    if (mask) icon = CreateIconIndirect(&parts);
    if (mask) DeleteObject(mask);
  }
  DeleteObject(colour);
  return icon;
}
