// The desktop program's slideshow window on a 1920 x 1080 screen, changing between four
// photo-like 24-megapixel JPEGs: prints the resident memory along the way and its peak over the
// changes, and how long each change held the user-interface thread (the whole ChangePic: the
// placement, LoadPicture, the effect set-up and the control starting its transition).
//
//   qt_change_memory [changes=200] [interval-ms=1000]
//
// The interval is the time between changes; transitions longer than it are cut short by the
// next change, as they would be with any interval shorter than a transition.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "backends/qt/qt_platform.h"
#include "forms/program.h"
#include "offscreen_screen.h"
#include "photo_like.h"
#include "saver/frm_saver.h"
#include "setup/frm_setup.h"

namespace {

// A value of /proc/self/status in megabytes ("VmRSS", "VmHWM").
double StatusMegabytes(const char* key) {
  QFile status("/proc/self/status");
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith(key)) {
      return line.mid(static_cast<int>(std::strlen(key)) + 1).trimmed().split(' ')[0].toDouble() / 1024;
    }
  }
  return 0;
}

// Starts the peak (VmHWM) afresh, so that writing the pictures does not count.
bool ResetPeak() {
  QFile refs("/proc/self/clear_refs");
  return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
}

double Percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
}

}  // namespace

int main(int argc, char** argv) {
  const int changes = argc > 1 ? std::atoi(argv[1]) : 200;
  const int intervalMs = argc > 2 ? std::atoi(argv[2]) : 1000;
  velvora::bench::UseOffscreenScreen(1920, 1080);
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);

  QTemporaryDir folder;
  std::vector<std::string> pictures;
  for (unsigned seed = 1; seed <= 4; ++seed) {
    const QImage photo = velvora::bench::PhotoLike(6000, 4000, seed);
    pictures.push_back(
        velvora::bench::WritePicture(photo, folder.filePath(QString("photo%1.jpg").arg(seed)), "jpeg").toStdString());
  }

  velvora::qt::QtPlatform platform;
  velvora::Program program(platform.platform(), "");
  velvora::frmSaver* saver = nullptr;
  program.Dispatch([&] {
    saver = &program.Use<velvora::frmSaver>();
    saver->SetWindowState(velvora::WindowState::Maximized);
    saver->Show();
    // The changes come from here, not from the countdown.
    saver->Timer1.SetEnabled(false);
    velvora::frmSetup& setup = program.Use<velvora::frmSetup>();
    setup.List1.Clear();
    for (const std::string& picture : pictures) setup.List1.AddItem(picture);
    setup.OptionFullWin.SetValue(true);
  });
  if (!saver) return 1;
  const bool peakReset = ResetPeak();
  const double start = StatusMegabytes("VmRSS");
  std::printf("%d changes every %d ms, 1920 x 1080, four 6000 x 4000 JPEGs\n", changes, intervalMs);
  std::printf("resident before the first change: %.1f MB\n", start);

  std::vector<double> blockedMs;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    if (static_cast<int>(blockedMs.size()) == changes) {
      ticker.stop();
      QTimer::singleShot(3000, [] { QCoreApplication::exit(0); });  // the last transition ends
      return;
    }
    const auto begin = std::chrono::steady_clock::now();
    program.Dispatch([&] { saver->ChangePic(); });
    blockedMs.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count());
    const int n = static_cast<int>(blockedMs.size());
    if (n == 1 || n % 25 == 0) std::printf("after change %3d: resident %.1f MB\n", n, StatusMegabytes("VmRSS"));
  });
  ticker.start(intervalMs);
  QApplication::exec();

  std::printf("resident at the end: %.1f MB\n", StatusMegabytes("VmRSS"));
  std::printf("peak resident over the changes: %.1f MB%s\n", StatusMegabytes("VmHWM"),
              peakReset ? "" : " (the peak could not be reset: it includes writing the pictures)");
  // The first change decodes on the spot: nothing was named ahead of it.
  const std::vector<double> later(blockedMs.begin() + 1, blockedMs.end());
  std::printf("first change: %.1f ms; later changes: median %.1f ms, 90th percentile %.1f ms, max %.1f ms\n",
              blockedMs.front(), Percentile(later, 0.5), Percentile(later, 0.9),
              *std::max_element(later.begin(), later.end()));
  return 0;
}
