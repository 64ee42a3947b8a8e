// Prints how fast a large JPEG goes from file to fitted view pixels, beside
// djpeg at the same DCT scale (the floor) and a full-size decode reduced
// afterwards (what a viewer that decodes everything does), with the peak
// memory of each. Usage: view_pipeline FILE.jpg [FILE.jpg ...]
// Built for Windows too, where it runs under Wine for each target's figures;
// there it has no djpeg beside it, and its peak memory is the process's.
#ifdef _WIN32
#include <windows.h>
#include <psapi.h>
#else
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "picture/jpeg_decoder.h"
#include "picture/resample.h"
#include "view/fit.h"
#include "wallpaper/bmp_writer.h"
#include "wallpaper/wallpaper_layout.h"

namespace {

constexpr int kViewWidth = 800, kViewHeight = 600, kRuns = 5;

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// <chrono> cannot be compiled with the Shift-JIS execution character set.
double Now() {
#ifdef _WIN32
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return count.QuadPart * 1e3 / frequency.QuadPart;
#else
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
#endif
}

double Milliseconds(const std::function<void()>& work) {
  const double start = Now();
  work();
  return Now() - start;
}

// The peak memory of the fitted pipeline on one file is that of a fresh
// process of this program ("--peak-kb FILE" below) that runs it once: a
// child that inherited this process's pages (as a fork does, its heap grown
// by the timing runs) would count them too.
std::string gSelf;

#ifdef _WIN32
double PeakMegabytes(const std::string& path) {
  std::string commandLine = "\"" + gSelf + "\" --peak-kb" + (path.empty() ? "" : " \"" + path + "\"");
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return 0;
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD kilobytes = 0;
  GetExitCodeProcess(process.hProcess, &kilobytes);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return kilobytes / 1024.0;
}
#else
double PeakMegabytes(const std::string& path) {
  pid_t child = fork();
  if (child == 0) {
    std::string flag = "--peak-kb";
    std::vector<char*> arguments{gSelf.data(), flag.data()};
    std::string file = path;
    if (!file.empty()) arguments.push_back(file.data());
    arguments.push_back(nullptr);
    execv("/proc/self/exe", arguments.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  return usage.ru_maxrss / 1024.0;
}
#endif

// The median milliseconds of kRuns runs.
double Measure(const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < kRuns; ++i) times.push_back(Milliseconds(work));
  std::sort(times.begin(), times.end());
  return times[kRuns / 2];
}

std::string FileName(const std::string& path) { return path.substr(path.find_last_of("/\\") + 1); }

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
  gSelf = argv[0];
  if (argc >= 2 && std::string(argv[1]) == "--peak-kb") {
    if (argc == 3) Pipeline(ReadFile(argv[2]), true);
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<int>(counters.PeakWorkingSetSize / 1024);
#else
    return 0;
#endif
  }
  // The peak of the fitted pipeline on PATH ("": of nothing) in a process of its own.
  const auto peakOf = [](const std::string& path) { return PeakMegabytes(path); };
  std::printf("%-28s %10s %10s %10s %8s %8s %9s %9s\n", "file", "ours ms", "djpeg ms", "full ms", "vs djpeg",
              "vs full", "ours MB", "limit MB");
  // The resident size of this program before any picture, to compare like with like.
  const double idlePeak = peakOf("");
  for (int i = 1; i < argc; ++i) {
    const std::string path = argv[i];
    const auto data = ReadFile(path);
    PictureSize size = ReadJpegHeader(data);
    Fit fit = FitPicture(kViewWidth, kViewHeight, size.width, size.height, 0);
    int eighths = JpegScaleEighths(size, {fit.width, fit.height});
    const double ours = Measure([&] { Pipeline(data, true); });
    const double oursPeak = peakOf(path);
    const double full = Measure([&] { Pipeline(data, false); });
    double limit = 3.0 * data.size() / 1048576.0 + fit.width * fit.height * 4 / 1048576.0;
    std::printf("%-28s %10.1f ", FileName(path).c_str(), ours);
#ifdef _WIN32
    (void)eighths;  // no djpeg here
    std::printf("%10s %10.1f %8s ", "-", full, "-");
#else
    const std::string djpeg = "djpeg -scale " + std::to_string(eighths) + "/8 -bmp -outfile /dev/null '" + path + "'";
    const double floor = Measure([&] {
      if (std::system(djpeg.c_str()) != 0) std::fprintf(stderr, "djpeg failed\n");
    });
    std::printf("%10.1f %10.1f %7.2fx ", floor, full, ours / floor);
#endif
    std::printf("%7.2fx %9.1f %9.1f\n", full / ours, oursPeak - idlePeak, limit);
  }
  std::printf("\n%-28s %10s\n", "wallpaper for 1024 x 768", "ours ms");
  for (int i = 1; i < argc; ++i) {
    const std::string path = argv[i];
    const auto data = ReadFile(path);
    std::printf("%-28s %10.1f\n", FileName(path).c_str(), Measure([&] { Wallpaper(data); }));
  }
  return 0;
}
