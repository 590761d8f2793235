// How long a picture change holds the user-interface thread on the desktop backend: the
// platform's LoadPicture, which the change calls before it hands the picture to the control,
// for a photo-like 24-megapixel JPEG, a 50-megapixel PNG and a 6000 x 4000 TIFF on a
// 1920 x 1080 screen; once with the picture decoded on the spot, once named ahead with the
// interval longer than the decode. Beside it, in the same run: the decode alone, and
// libjpeg-turbo's djpeg scaling the same JPEG by 1/2 (the scale the decoder picks for this
// screen) and 1/4.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <chrono>
#include <string>
#include <thread>

#include "backends/qt/qt_pictures.h"
#include "backends/qt/qt_platform.h"
#include "offscreen_screen.h"
#include "photo_like.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kScreenWidth = 1920, kScreenHeight = 1080;

struct Sample {
  const char* name;
  const char* format;
  int width, height;
};
constexpr Sample kSamples[] = {{"jpeg", "jpeg", 6000, 4000}, {"png", "png", 8660, 5774}, {"tiff", "tiff", 6000, 4000}};
enum { kJpeg, kPng, kTiff };

// The files, written once per run (seconds for the PNG) and removed at the end.
const std::string& PicturePath(int sample) {
  static QTemporaryDir folder;
  static std::string paths[std::size(kSamples)];
  std::string& path = paths[sample];
  if (path.empty()) {
    const Sample& s = kSamples[sample];
    path = velvora::bench::WritePicture(velvora::bench::PhotoLike(s.width, s.height, static_cast<unsigned>(sample) + 1),
                                        folder.filePath(QString("photo.") + s.name), s.format)
               .toStdString();
  }
  return path;
}

std::string Label(int sample) {
  const Sample& s = kSamples[sample];
  const double megabytes = static_cast<double>(QFileInfo(QString::fromStdString(PicturePath(sample))).size()) / 1e6;
  return std::string(s.name) + " " + std::to_string(s.width) + "x" + std::to_string(s.height) + ", " +
         std::to_string(static_cast<int>(megabytes + 0.5)) + " MB";
}

// The desktop platform on a 1920 x 1080 screen.
struct Desktop {
  struct Screen {
    Screen() { velvora::bench::UseOffscreenScreen(kScreenWidth, kScreenHeight); }
  } screen;
  int argc = 1;
  char name[6] = "bench";
  char* argv[2] = {name, nullptr};
  QGuiApplication app{argc, argv};
  velvora::qt::QtPlatform platform;
};
Desktop& TheDesktop() {
  static Desktop desktop;
  return desktop;
}

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

void BM_Decode(benchmark::State& state) {
  const int sample = static_cast<int>(state.range(0));
  const std::string& path = PicturePath(sample);
  for (auto _ : state) {
    velvora::PicturePtr picture = velvora::qt::DecodePicture(path, {kScreenWidth, kScreenHeight});
    benchmark::DoNotOptimize(picture);
  }
  state.SetLabel(Label(sample));
}
BENCHMARK(BM_Decode)
    ->ArgName("picture")
    ->Arg(kJpeg)
    ->Arg(kPng)
    ->Arg(kTiff)
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

// djpeg -scale 1/N -outfile /dev/null on the JPEG, as a process (its start, about a
// millisecond, included); "cpu_ms" is the process's own processor time, comparable with the
// decode's CPU column on a loaded machine.
void BM_Djpeg(benchmark::State& state) {
  std::string scale = "1/" + std::to_string(state.range(0));
  std::string path = PicturePath(kJpeg);
  char* args[] = {const_cast<char*>("djpeg"),
                  const_cast<char*>("-scale"),
                  scale.data(),
                  const_cast<char*>("-outfile"),
                  const_cast<char*>("/dev/null"),
                  path.data(),
                  nullptr};
  double cpuSeconds = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    pid_t child = 0;
    int status = 0;
    rusage usage{};
    if (posix_spawnp(&child, "djpeg", nullptr, nullptr, args, environ) != 0 ||
        wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("djpeg failed (package libjpeg-turbo-progs)");
      break;
    }
    state.SetIterationTime(Seconds(Clock::now() - start));
    for (const timeval& t : {usage.ru_utime, usage.ru_stime}) {
      cpuSeconds += static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    }
  }
  state.counters["cpu_ms"] = benchmark::Counter(cpuSeconds * 1000, benchmark::Counter::kAvgIterations);
  state.SetLabel(Label(kJpeg));
}
BENCHMARK(BM_Djpeg)
    ->ArgName("scale_1_over")
    ->Arg(2)
    ->Arg(4)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

// The time LoadPicture holds the user-interface thread. Named ahead, the change comes an
// interval after the hint, half as long again as the decode.
void BM_ChangeBlocks(benchmark::State& state) {
  const int sample = static_cast<int>(state.range(0));
  const bool ahead = state.range(1) != 0;
  const std::string& path = PicturePath(sample);
  velvora::qt::QtPlatform& platform = TheDesktop().platform;
  auto start = Clock::now();
  platform.LoadPicture(path);
  const Clock::duration interval = (Clock::now() - start) * 3 / 2 + std::chrono::milliseconds(50);
  for (auto _ : state) {
    if (ahead) {
      platform.PictureComesNext(path);
      std::this_thread::sleep_for(interval);
    }
    start = Clock::now();
    velvora::PicturePtr picture = platform.LoadPicture(path);
    state.SetIterationTime(Seconds(Clock::now() - start));
    benchmark::DoNotOptimize(picture);
  }
  state.SetLabel(Label(sample));
}
BENCHMARK(BM_ChangeBlocks)
    ->ArgNames({"picture", "ahead"})
    ->ArgsProduct({{kJpeg, kPng, kTiff}, {0, 1}})
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

}  // namespace
