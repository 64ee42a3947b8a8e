// Prints how fast a large JPEG goes from file to fitted view pixels, beside
// djpeg at the same DCT scale (the floor) and a full-size decode reduced
// afterwards (what a viewer that decodes everything does), with the peak
// memory of each. Usage: view_pipeline FILE.jpg [FILE.jpg ...]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "view/fit.h"
#include "view/jpeg_decoder.h"
#include "view/resample.h"
#include "wallpaper/bmp_file.h"
#include "wallpaper/wallpaper_layout.h"

namespace {

constexpr int kViewWidth = 800, kViewHeight = 600, kRuns = 5;

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Median milliseconds of kRuns runs, and the peak resident memory in MB of
// one run in a child process of its own.
struct Figure {
  double milliseconds;
  double peakMegabytes;
};

Figure Measure(const std::function<void()>& work) {
  pid_t child = fork();
  if (child == 0) {
    work();
    _exit(0);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  std::vector<double> times;
  for (int i = 0; i < kRuns; ++i) {
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    work();
    clock_gettime(CLOCK_MONOTONIC, &end);
    times.push_back((end.tv_sec - start.tv_sec) * 1e3 + (end.tv_nsec - start.tv_nsec) / 1e6);
  }
  std::sort(times.begin(), times.end());
  return {times[kRuns / 2], usage.ru_maxrss / 1024.0};
}

void Pipeline(const std::vector<std::uint8_t>& data, bool scaled) {
  PictureSize size = ReadJpegHeader(data);
  Fit fit = FitPicture(kViewWidth, kViewHeight, size.width, size.height, 0);
  Pixels decoded, view;
  DecodeJpeg(data, scaled ? PictureSize{fit.width, fit.height} : size, decoded);
  Resample(decoded, fit.width, fit.height, view);
}

// A 1024 x 768 screen's wallpaper: fitted, decoded at the DCT scale that
// covers it, resampled, and encoded as the bitmap file.
void Wallpaper(const std::vector<std::uint8_t>& data) {
  PictureSize size = ReadJpegHeader(data);
  WallpaperLayout layout = LayOutWallpaper(size.width, size.height, 1024, 768, true);
  Pixels decoded, scaled;
  DecodeJpeg(data, {layout.width, layout.height}, decoded);
  Resample(decoded, layout.width, layout.height, scaled);
  std::string rows(reinterpret_cast<const char*>(scaled.bgrx.data()), scaled.bgrx.size());
  EncodeBmp32(layout.width, layout.height, rows);
}

}  // namespace

int main(int argc, char** argv) {
  std::printf("%-28s %10s %10s %10s %8s %8s %9s %9s\n", "file", "ours ms", "djpeg ms", "full ms", "vs djpeg",
              "vs full", "ours MB", "limit MB");
  // The resident size of this program before any picture, to compare like with like.
  const Figure idle = Measure([] {});
  for (int i = 1; i < argc; ++i) {
    const std::string path = argv[i];
    const auto data = ReadFile(path);
    PictureSize size = ReadJpegHeader(data);
    Fit fit = FitPicture(kViewWidth, kViewHeight, size.width, size.height, 0);
    int eighths = JpegScaleEighths(size, {fit.width, fit.height});
    Figure ours = Measure([&] { Pipeline(data, true); });
    Figure full = Measure([&] { Pipeline(data, false); });
    const std::string djpeg = "djpeg -scale " + std::to_string(eighths) + "/8 -bmp -outfile /dev/null '" + path + "'";
    Figure floor = Measure([&] {
      if (std::system(djpeg.c_str()) != 0) std::fprintf(stderr, "djpeg failed\n");
    });
    double limit = 3.0 * data.size() / 1048576.0 + fit.width * fit.height * 4 / 1048576.0;
    std::printf("%-28s %10.1f %10.1f %10.1f %7.2fx %7.2fx %9.1f %9.1f\n", path.substr(path.rfind('/') + 1).c_str(),
                ours.milliseconds, floor.milliseconds, full.milliseconds, ours.milliseconds / floor.milliseconds,
                full.milliseconds / ours.milliseconds, ours.peakMegabytes - idle.peakMegabytes, limit);
  }
  std::printf("\n%-28s %10s\n", "wallpaper for 1024 x 768", "ours ms");
  for (int i = 1; i < argc; ++i) {
    const std::string path = argv[i];
    const auto data = ReadFile(path);
    Figure wallpaper = Measure([&] { Wallpaper(data); });
    std::printf("%-28s %10.1f\n", path.substr(path.rfind('/') + 1).c_str(), wallpaper.milliseconds);
  }
  return 0;
}
