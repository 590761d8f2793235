// The frame clock: a precise timer at the primary screen's refresh rate while the core asks for
// frames, and the monotonic clock the frames report.
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "backends/qt/qt_platform.h"

namespace velvora::qt {
namespace {

int FramePeriodMs() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double rate = screen && screen->refreshRate() > 1 ? screen->refreshRate() : 60.0;
  return std::max(1, static_cast<int>(std::lround(1000.0 / rate)));
}

}  // namespace

void QtPlatform::StartFrames(std::function<void(std::int64_t)> onFrame) {
  onFrame_ = std::move(onFrame);
  if (!frameTimer_) {
    frameTimer_ = new QTimer;
    frameTimer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(frameTimer_, &QTimer::timeout, frameTimer_, [this] {
      const auto deliver = onFrame_;  // the frame may stop the clock
      if (deliver) deliver(ClockMs());
    });
  }
  if (!frameTimer_->isActive()) frameTimer_->start(FramePeriodMs());
}

void QtPlatform::StopFrames() {
  onFrame_ = nullptr;
  if (frameTimer_) frameTimer_->stop();
}

}  // namespace velvora::qt
