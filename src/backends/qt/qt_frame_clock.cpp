// The frame clock: a precise single-shot timer set for each frame on the primary screen's
// refresh periods while the core asks for frames, and the monotonic clock the frames report.
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "backends/qt/qt_platform.h"

namespace velvora::qt {
namespace {

double RefreshRate() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->refreshRate() : 0;
}

}  // namespace

void QtPlatform::StartFrames(std::function<void(std::int64_t)> onFrame) {
  onFrame_ = std::move(onFrame);
  if (!frameTimer_) {
    frameTimer_ = new QTimer;
    frameTimer_->setTimerType(Qt::PreciseTimer);
    frameTimer_->setSingleShot(true);
    QObject::connect(frameTimer_, &QTimer::timeout, frameTimer_, [this] {
      const auto deliver = onFrame_;  // the frame may stop the clock, or stop and start it
      if (deliver) deliver(ClockMs());
      if (onFrame_ && !frameTimer_->isActive()) ScheduleFrame();
    });
  }
  if (frameTimer_->isActive()) return;
  frameSchedule_.Start(clock_.nsecsElapsed(), FrameSchedule::PeriodNs(RefreshRate()));
  ScheduleFrame();
}

void QtPlatform::StopFrames() {
  onFrame_ = nullptr;
  if (frameTimer_) frameTimer_->stop();
}

// The timer counts whole milliseconds: rounding up lets each frame fall just after its period
// begins, never in the period before.
void QtPlatform::ScheduleFrame() {
  const std::int64_t delayNs = frameSchedule_.Next(clock_.nsecsElapsed());
  frameTimer_->start(static_cast<int>((delayNs + 999'999) / 1'000'000));
}

}  // namespace velvora::qt
