// Reads bitmap files as the program reads them for the view and the
// wallpaper, and writes what came out, for a scenario to compare with the
// pixels each file holds. Usage: bitmap_probe OUTPUT-FOLDER FILE...
// Prints per file "shown <width> <height>" and writes its pixels (blue,
// green, red, unused; rows top down) to OUTPUT-FOLDER\<n>.bgrx, n counted
// from 0; or prints "refused" when the file is dropped.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/app_error.h"
#include "app/file_io.h"
#include "picture/bitmap_reader.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  for (int i = 2; i < argc; ++i) {
    try {
      const std::string data = ReadWholeFile(argv[i]);
      const Pixels pixels = LackOfMemoryAsAppError([&] {
        return ReadBitmap(argv[i], {reinterpret_cast<const std::uint8_t*>(data.data()), data.size()});
      });
      ReplaceWholeFile(std::string(argv[1]) + "\\" + std::to_string(i - 2) + ".bgrx",
                     std::string(pixels.bgrx.begin(), pixels.bgrx.end()));
      std::printf("shown %d %d\n", pixels.width, pixels.height);
    } catch (const AppError&) {
      std::printf("refused\n");
    }
  }
  return 0;
}
