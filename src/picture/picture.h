#pragma once
// The picture the view holds: the bytes of the last file read successfully,
// in its own format, and what drawing it needs. JPEG pixels are decoded only
// when the picture is drawn, at the size it is drawn, and kept for repaints.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "picture/jpeg_decoder.h"
#include "picture/picture_kind.h"
#include "picture/pixels.h"
#include "win/handles.h"

class Picture {
 public:
  Picture() = default;
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  // Reads the file in the format its extension names. Throws AppError when
  // it cannot be read; the picture held before then stays.
  void LoadFromFile(const std::string& path);

  int Width() const { return size_.width; }
  int Height() const { return size_.height; }

  // Writes the picture in its own format, whatever the name says: the bytes
  // as read, except that an enhanced metafile saved under a name ending in
  // ".wmf" becomes a placeable Windows metafile. Nothing without a picture.
  void SaveToFile(const std::string& path) const;

  // Draws the picture stretched to bounds. A JPEG that fails to decode
  // throws AppError the first time and draws nothing from then on, so a
  // repaint behind the error box cannot raise it again.
  void Draw(HDC dc, const RECT& bounds);

  // Why the picture's data could not be decoded when it was drawn; empty
  // while it draws. What draws nothing must not be made the wallpaper.
  const std::string& DrawFailure() const { return failure_; }

 private:
  void Load(const std::string& path);
  void Release();
  void DrawPixels(HDC dc, const RECT& bounds, const Pixels& source);

  PictureKind kind_ = PictureKind::None;
  std::string data_;
  PictureSize size_;
  Pixels full_;    // JPEG: decoded at a DCT scale; bitmap: all its pixels
  Pixels scaled_;  // full_ resampled to the size last drawn
  int decodedEighths_ = 0;
  std::string failure_;
  OwnedIcon icon_;
  OwnedEnhMetaFile metafile_;  // a Windows metafile is held converted
};
