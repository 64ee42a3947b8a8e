#include "picture/png_icon.h"

#include <wincodec.h>

#include <vector>

#include "picture/dib_section.h"
#include "win/com_reference.h"
#include "win/handles.h"

namespace {

// Larger than any icon image; a PNG of more is no icon's.
constexpr UINT kMostSide = 1024;

}  // namespace

HICON IconFromPng(std::span<const std::uint8_t> png) {
  // The imaging component needs COM on this thread, whatever state the
  // thread's COM is in (closing the window ends the program's own scope
  // before the last display); it outlives every interface below.
  ComScope com;
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
      FAILED(
          factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, decoder.Address())) ||
      FAILED(decoder->GetFrame(0, frame.Address())) || FAILED(factory->CreateFormatConverter(converter.Address())) ||
      FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom)) ||
      FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 || width > kMostSide ||
      height > kMostSide) {
    return nullptr;
  }
  // Every pixel's alpha decides; the mask lets all of them through.
  const std::vector<std::uint8_t> zeros((width + 15) / 16 * 2 * height, 0);
  void* bits = nullptr;
  GdiObject<HBITMAP> colour(CreateBgrxSection(static_cast<int>(width), -static_cast<int>(height), &bits));
  const UINT stride = width * 4;
  if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) return nullptr;
  GdiObject<HBITMAP> mask(CreateBitmap(static_cast<int>(width), static_cast<int>(height), 1, 1, zeros.data()));
  if (!mask) return nullptr;
  ICONINFO parts{TRUE, 0, 0, mask.Get(), colour.Get()};
  return CreateIconIndirect(&parts);
}
