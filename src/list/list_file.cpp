#include "list/list_file.h"

#include "app/app_error.h"
#include "app/file_io.h"
#include "list/list_codec.h"
#include "list/picture_list.h"

void LoadListFromFile(PictureList& list, const std::string& path) {
  LackOfMemoryAsAppError([&] { list.Load(DecodeListFile(ReadWholeFile(path))); });
}

void SaveListToFile(const PictureList& list, const std::string& path) {
  ReplaceWholeFile(path, EncodeListFile(list.Entries()));
}
