#pragma once
// The formats the view reads, chosen by a file's extension in any case:
// JPEG, Windows bitmaps, icons and the two kinds of metafile.

#include <string_view>

#include "app/path_rules.h"

enum class PictureKind { None, Jpeg, Bitmap, Icon, EnhMetafile, WinMetafile };

// None for an extension the view does not read.
inline PictureKind PictureKindOfName(std::string_view path) {
  if (HasExtension(path, ".jpg") || HasExtension(path, ".jpeg")) return PictureKind::Jpeg;
  if (HasExtension(path, ".bmp")) return PictureKind::Bitmap;
  if (HasExtension(path, ".ico")) return PictureKind::Icon;
  if (HasExtension(path, ".emf")) return PictureKind::EnhMetafile;
  if (HasExtension(path, ".wmf")) return PictureKind::WinMetafile;
  return PictureKind::None;
}
