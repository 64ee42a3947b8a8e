#include "picture/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE
#include <cstring>

#include <jerror.h>
#include <jpeglib.h>

#include "app/app_error.h"
#include "picture/orientation.h"

namespace {

constexpr long kMostDecoderMemory = 1L << 30;

// libjpeg reports errors through a callback that must not return; it jumps
// back to the frame that set up the decoder, which then throws. The frames
// in between are libjpeg's own C code and the decoder holds no C++ object
// that needs destroying there.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf back;
  char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  info->err->format_message(info, manager->message);
  std::longjmp(manager->back, 1);
}

// Warnings (a header of a newer JFIF version, data cut short or damaged)
// are no failures: libjpeg goes on and fills in what it could not read, as
// every viewer shows such a file. Only its errors end the read.
void Silent(j_common_ptr) {}
void Unheeded(j_common_ptr, int) {}

class Decompressor {
 public:
  Decompressor() {
    info_.err = jpeg_std_error(&errors_.base);
    errors_.base.error_exit = &OnError;
    errors_.base.emit_message = &Unheeded;
    errors_.base.output_message = &Silent;
    errors_.message[0] = '\0';
    jpeg_create_decompress(&info_);
    // A few hundred bytes can announce a 65535 x 65535 progressive picture,
    // whose coefficients libjpeg would otherwise take gigabytes for before
    // reading any of them. This bound still holds those of a 300-megapixel
    // photo; beyond it libjpeg stops with "no backing store".
    info_.mem->max_memory_to_use = kMostDecoderMemory;
  }
  ~Decompressor() { jpeg_destroy_decompress(&info_); }
  Decompressor(const Decompressor&) = delete;
  Decompressor& operator=(const Decompressor&) = delete;

  jpeg_decompress_struct* Info() { return &info_; }
  ErrorManager& Errors() { return errors_; }
  [[noreturn]] void Throw() const {
    const int code = errors_.base.msg_code;
    if (code == JERR_OUT_OF_MEMORY || code == JERR_NO_BACKING_STORE) throw AppError(kOutOfMemory);
    throw AppError(errors_.message);
  }

 private:
  jpeg_decompress_struct info_{};
  ErrorManager errors_{};
};

// Runs steps under the error jump; returns false when libjpeg reported an
// error. Kept free of C++ objects with destructors, as longjmp skips them.
template <class Steps>
bool Guarded(Decompressor& decompressor, Steps&& steps) {
  if (setjmp(decompressor.Errors().back)) return false;
  steps(decompressor.Info());
  return true;
}

// Reads the header up to the first scan, keeping the APP1 segments read on
// the way for their EXIF orientation.
void ReadHeader(j_decompress_ptr info, std::span<const std::uint8_t> data) {
  jpeg_mem_src(info, data.data(), static_cast<unsigned long>(data.size()));
  jpeg_save_markers(info, JPEG_APP0 + 1, 0xFFFF);
  jpeg_read_header(info, TRUE);
}

// The orientation of the first APP1 segment that is an EXIF one.
int OrientationOf(j_decompress_ptr info) {
  for (jpeg_saved_marker_ptr marker = info->marker_list; marker; marker = marker->next) {
    const std::span<const std::uint8_t> segment(marker->data, marker->data_length);
    if (marker->marker == JPEG_APP0 + 1 && segment.size() >= 4 && std::memcmp(segment.data(), "Exif", 4) == 0) {
      return ExifOrientation(segment);
    }
  }
  return kUpright;
}

// CMYK pictures (mostly from print work) are stored inverted by Adobe
// software, which marks them; the others hold plain ink values.
void CmykRowToBgrx(const JSAMPLE* cmyk, std::uint8_t* out, JDIMENSION width, bool inverted) {
  for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, out += 4) {
    unsigned c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
    if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
    out[0] = static_cast<std::uint8_t>(y * k / 255);
    out[1] = static_cast<std::uint8_t>(m * k / 255);
    out[2] = static_cast<std::uint8_t>(c * k / 255);
    out[3] = 0;
  }
}

}  // namespace

PictureSize ReadJpegHeader(std::span<const std::uint8_t> data) {
  Decompressor decompressor;
  PictureSize size;
  int orientation = kUpright;
  bool read = Guarded(decompressor, [&](j_decompress_ptr info) {
    ReadHeader(info, data);
    size.width = static_cast<int>(info->image_width);
    size.height = static_cast<int>(info->image_height);
    orientation = OrientationOf(info);
  });
  if (!read) decompressor.Throw();
  return Oriented(size, orientation);
}

int JpegScaleEighths(PictureSize full, PictureSize wanted) {
  for (int eighths : {1, 2, 4}) {
    // libjpeg rounds scaled sizes up.
    long long width = (static_cast<long long>(full.width) * eighths + 7) / 8;
    long long height = (static_cast<long long>(full.height) * eighths + 7) / 8;
    if (width >= wanted.width && height >= wanted.height) return eighths;
  }
  return 8;
}

void DecodeJpeg(std::span<const std::uint8_t> data, PictureSize wanted, Pixels& pixels) {
  Decompressor decompressor;
  // Filled in before the jump can happen; the row buffer belongs to libjpeg.
  JSAMPARRAY cmykRow = nullptr;
  int orientation = kUpright;
  bool decoded = Guarded(decompressor, [&](j_decompress_ptr info) {
    ReadHeader(info, data);
    orientation = OrientationOf(info);
    // The scale is chosen for the stored pixels, before they are turned.
    PictureSize full{static_cast<int>(info->image_width), static_cast<int>(info->image_height)};
    info->scale_num = static_cast<unsigned>(JpegScaleEighths(full, Oriented(wanted, orientation)));
    info->scale_denom = 8;
    const bool cmyk = info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK;
    info->out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    jpeg_start_decompress(info);
    pixels.Resize(static_cast<int>(info->output_width), static_cast<int>(info->output_height));
    if (cmyk) {
      cmykRow =
          (*info->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(info), JPOOL_IMAGE, info->output_width * 4, 1);
    }
    while (info->output_scanline < info->output_height) {
      std::uint8_t* row = pixels.Row(static_cast<int>(info->output_scanline));
      if (cmyk) {
        jpeg_read_scanlines(info, cmykRow, 1);
        CmykRowToBgrx(cmykRow[0], row, info->output_width, info->saw_Adobe_marker);
      } else {
        JSAMPROW rows[1] = {row};
        jpeg_read_scanlines(info, rows, 1);
      }
    }
    jpeg_finish_decompress(info);
  });
  if (!decoded) {
    pixels.Resize(0, 0);
    decompressor.Throw();
  }
  Orient(pixels, orientation);
}
