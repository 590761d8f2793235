// Frames the user sees: every transition family played at full HD in the slideshow window of the
// desktop program (the core's picture control on the Qt frame clock, the Qt widget painting its
// frame), counting the picture's paints against the frames due at 60 Hz. A timed tool, not a
// test; run it on a virtual display of the size it measures:
//   xvfb-run -a -s '-screen 0 1920x1080x24 -nolisten tcp' build/desktop/bench/qt_transition_frames [speed]
#include <QApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "backends/qt/qt_form_view.h"
#include "backends/qt/qt_picture_widget.h"
#include "backends/qt/qt_platform.h"
#include "effects/transition.h"
#include "forms/program.h"
#include "saver/frm_saver.h"

namespace {

using velvora::FXImage;
using velvora::frmSaver;
using Clock = std::chrono::steady_clock;

constexpr double kPeriodMs = 1000.0 / 60;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Runs the event loop until `done` holds or `ms` pass, sleeping while nothing happens (the
// display server shares the processor).
bool Spin(const std::function<bool()>& done, int ms) {
  QDeadlineTimer deadline(ms);
  QTimer wake;  // looks at `done` at least this often
  wake.start(10);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return true;
}

// A photo-like picture: gradients under grain, so no effect meets large uniform areas.
velvora::PicturePtr Photo(int width, int height, std::uint32_t seed) {
  auto picture = std::make_shared<velvora::Picture>();
  picture->width = width;
  picture->height = height;
  picture->pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  std::uint32_t state = seed;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      state = state * 1664525u + 1013904223u;
      const std::uint32_t grain = state >> 28;
      const std::uint32_t r = (static_cast<std::uint32_t>(x * 200 / width) + grain) & 0xFF;
      const std::uint32_t g = (static_cast<std::uint32_t>(y * 200 / height) + grain) & 0xFF;
      const std::uint32_t b = ((seed & 0xFF) + grain * 3) & 0xFF;
      picture->pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] =
          0xFF000000u | r << 16 | g << 8 | b;
    }
  }
  return picture;
}

// What one transition looked like from the window.
struct Playback {
  Clock::time_point start;
  std::vector<Clock::time_point> paints;  // the picture's paints, the last one showing the end
  std::vector<double> renderMs;            // per repaint of the window: drawing the effect's frame
  std::vector<double> paintMs;             // per repaint: everything else (painting, flushing to X)
  bool endPainted = false;
};

// Watches the slideshow window: times each repaint (Qt repaints a window on its update request,
// painting and flushing every dirty widget in it), the frame's rendering inside it, and counts
// the picture's paints.
class Watch final : public QObject {
 public:
  Watch(QWidget* window, velvora::qt::FxImageWidget* picture, const FXImage& image)
      : window_(window), picture_(picture), image_(image) {
    window_->installEventFilter(this);
    picture_->installEventFilter(this);
    auto inner = picture_->frame;
    picture_->frame = [this, inner] {
      const auto begin = Clock::now();
      const velvora::effects::ConstImage frame = inner();
      renderInRepaint_ += Ms(Clock::now() - begin);
      return frame;
    };
  }

  Playback* playback = nullptr;

 protected:
  bool eventFilter(QObject* target, QEvent* event) override {
    if (target == window_ && event->type() == QEvent::UpdateRequest && playback) {
      renderInRepaint_ = 0;
      const auto begin = Clock::now();
      static_cast<QObject*>(window_)->event(event);
      const double total = Ms(Clock::now() - begin);
      playback->renderMs.push_back(renderInRepaint_);
      playback->paintMs.push_back(total - renderInRepaint_);
      return true;
    }
    if (target == picture_ && event->type() == QEvent::Paint && playback && !playback->endPainted) {
      playback->paints.push_back(Clock::now());
      playback->endPainted = !image_.TransitionPlaying();
    }
    return false;
  }

 private:
  QWidget* window_;
  velvora::qt::FxImageWidget* picture_;
  const FXImage& image_;
  double renderInRepaint_ = 0;
};

struct Figures {
  int due = 0, painted = 0, dropped = 0;
  double longestGapMs = 0, renderMs = 0, paintMs = 0;
};

double Mean(const std::vector<double>& values) {
  if (values.empty()) return 0;
  double sum = 0;
  for (double v : values) sum += v;
  return sum / static_cast<double>(values.size());
}

// A frame is dropped when a 60 Hz period of the transition passes without a paint.
Figures Measure(const Playback& p, int durationMs) {
  Figures f;
  f.due = static_cast<int>(durationMs / kPeriodMs + 0.5);
  f.painted = static_cast<int>(p.paints.size());
  std::vector<bool> shown(static_cast<std::size_t>(f.due), false);
  for (std::size_t i = 0; i < p.paints.size(); ++i) {
    const auto slot = static_cast<std::size_t>(Ms(p.paints[i] - p.start) / kPeriodMs);
    if (slot < shown.size()) shown[slot] = true;
    if (i > 0) f.longestGapMs = std::max(f.longestGapMs, Ms(p.paints[i] - p.paints[i - 1]));
  }
  f.dropped = static_cast<int>(std::count(shown.begin(), shown.end(), false));
  f.renderMs = Mean(p.renderMs);
  f.paintMs = Mean(p.paintMs);
  return f;
}

// One plain effect per family, then the banded variants.
std::vector<int> EffectsToPlay() {
  std::vector<int> effects;
  std::set<std::string> seen;
  for (int e = velvora::effects::kFirstEffect; e <= velvora::effects::kLastEffect; ++e) {
    if (seen.insert(velvora::effects::EffectFamilyName(e)).second) effects.push_back(e);
  }
  for (int banded : {61, 65, 98, 102, 104, 106, 107, 108, 110}) effects.push_back(banded);
  return effects;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb");
  QTemporaryDir config;  // the slideshow reads its settings: never the user's
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  const float speed = argc > 1 ? std::strtof(argv[1], nullptr) : 5.0f;

  velvora::qt::QtPlatform platform;
  velvora::Program program(platform.platform(), "");
  program.PreviewMode = velvora::kTrue16;  // no screen-saver guards on the bench's display
  frmSaver* saver = nullptr;
  program.Start([&](velvora::Program& p) {
    saver = &p.Use<frmSaver>();
    saver->Show();
  });
  if (!saver) return 1;
  saver->Timer1.SetEnabled(false);  // no countdown, no picture changes of its own
  saver->Timer2.SetEnabled(false);
  auto* view = dynamic_cast<velvora::qt::QtFormView*>(saver->View());
  QWidget* window = view->window();
  auto* picture = static_cast<velvora::qt::FxImageWidget*>(view->WidgetOf(saver->Image1));
  FXImage& image = saver->Image1;
  // The slideshow picture over the whole window, as in the full-window placement.
  Spin([&] { return window->isVisible() && saver->Image2.PixelWidth() == window->width(); }, 5000);
  image.Move(0, 0, saver->Image2.Width(), saver->Image2.Height());
  image.SetProperty(velvora::fx::kStretch, velvora::fx::kFit);
  image.SetVisible(true);
  Spin([&] { return image.PixelWidth() == window->width() && image.PixelHeight() == window->height(); }, 5000);
  const int width = image.PixelWidth(), height = image.PixelHeight();
  const velvora::PicturePtr photos[] = {Photo(width, height, 0x1234567u), Photo(width, height, 0x89ABCDEFu)};
  image.SetPicture(photos[1]);
  Spin([] { return false; }, 500);

  double load[1] = {0};
  getloadavg(load, 1);
  const QScreen* screen = QGuiApplication::primaryScreen();
  std::printf("picture %d x %d in a %d x %d window on %s (screen %d x %d, %.0f Hz), speed %.0f, load average %.1f\n",
              width, height, window->width(), window->height(), qPrintable(QGuiApplication::platformName()),
              screen->size().width(), screen->size().height(), screen->refreshRate(), speed, load[0]);
  std::printf("%-4s %-16s %6s %5s %8s %8s %8s %10s %10s\n", "no.", "family", "ms", "due", "painted", "dropped",
              "gap ms", "render ms", "paint ms");

  Watch watch(window, picture, image);
  int next = 0;
  int worstDropped = 0;
  for (int effect : EffectsToPlay()) {
    image.SetProperty(velvora::fx::kEffect, std::int32_t{effect});
    image.SetProperty(velvora::fx::kSpeed, speed);
    image.SetProperty(velvora::fx::kColourA, std::int32_t{0x0000FF});
    image.SetProperty(velvora::fx::kColourB, std::int32_t{0xFFFF00});
    Playback playback;
    watch.playback = &playback;
    image.SetPicture(photos[next]);
    next = 1 - next;
    playback.start = Clock::now();
    image.Refresh();
    const int durationMs = velvora::effects::TransitionDurationMs(speed);
    const bool ended = Spin([&] { return playback.endPainted; }, durationMs + 5000);
    watch.playback = nullptr;
    const Figures f = Measure(playback, durationMs);
    worstDropped = std::max(worstDropped, f.dropped);
    std::printf("%-4d %-16s %6d %5d %8d %8d %8.1f %10.2f %10.2f%s\n", effect,
                velvora::effects::EffectFamilyName(effect), durationMs, f.due, f.painted, f.dropped, f.longestGapMs,
                f.renderMs, f.paintMs, ended ? "" : "  (did not end)");
    std::fflush(stdout);
    Spin([] { return false; }, 200);
  }
  std::printf("most frames dropped in one transition: %d\n", worstDropped);
  return 0;
}
