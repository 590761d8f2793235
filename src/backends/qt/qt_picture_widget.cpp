#include "backends/qt/qt_picture_widget.h"

#include <QPainter>
#include <QScreen>
#include <algorithm>

namespace velvora::qt {
namespace {

effects::ConstImage ConstView(const QImage& image) {
  return {image.width(), image.height(), reinterpret_cast<const std::uint32_t*>(image.constBits()),
          image.bytesPerLine() / 4};
}

effects::Image View(QImage& image) {
  return {image.width(), image.height(), reinterpret_cast<std::uint32_t*>(image.bits()),
          image.bytesPerLine() / 4};
}

QImage Blank(const QSize& size) {
  QImage image(size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  return image;
}

}  // namespace

QImage ImageOf(const Picture& picture) {
  return QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width, picture.height,
                picture.width * 4, QImage::Format_ARGB32);
}

FxImageWidget::FxImageWidget(QWidget* parent) : QWidget(parent) {
  ticker_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&ticker_, &QTimer::timeout, this, [this] { NextFrame(); });
}

void FxImageWidget::SetDesignImage(const QImage& image) {
  designImage_ = image;
  update();
}

void FxImageWidget::SetPicture(PicturePtr picture) {
  // A hidden control draws nothing, so the change starts from nothing.
  if (!changePending_) pendingFrom_ = isVisibleTo(parentWidget()) ? Shown() : Blank(size());
  changePending_ = true;
  picture_ = std::move(picture);
  pictureImage_ = picture_ ? ImageOf(*picture_) : QImage();
  pictureAssigned_ = true;
  if (!Animating()) update();
}

void FxImageWidget::SetFit(bool fit) {
  if (fit == fit_) return;
  fit_ = fit;
  if (Animating()) to_ = Compose(size());
  update();
}

void FxImageWidget::PlayTransition(const effects::TransitionParams& params) {
  if (!changePending_) return update();
  changePending_ = false;
  params_ = params;
  from_ = pendingFrom_.size() == size() ? pendingFrom_ : pendingFrom_.scaled(size());
  pendingFrom_ = QImage();
  to_ = Compose(size());
  frame_ = from_.copy();
  durationMs_ = std::max(1, effects::TransitionDurationMs(params.speed));
  const QScreen* display = screen();
  const double rate = display && display->refreshRate() > 1 ? display->refreshRate() : 60.0;
  ticker_.start(std::max(1, static_cast<int>(1000.0 / rate)));
  clock_.start();
  NextFrame();
}

void FxImageWidget::NextFrame() {
  const float progress = std::min(1.0f, static_cast<float>(clock_.elapsed()) / static_cast<float>(durationMs_));
  if (!size().isEmpty() && from_.size() == size()) {
    effects::RenderTransition(ConstView(from_), ConstView(to_), progress, params_, View(frame_), scratch_);
  }
  if (progress >= 1.0f) {
    ticker_.stop();
    from_ = to_ = frame_ = QImage();
  }
  update();
}

QImage FxImageWidget::Shown() const {
  if (Animating()) return frame_;
  return Compose(size());
}

QImage FxImageWidget::Compose(const QSize& size) const {
  QImage image = Blank(size);
  QPainter painter(&image);
  DrawContent(painter, image.rect());
  return image;
}

void FxImageWidget::DrawContent(QPainter& painter, const QRect& area) const {
  const QImage& image = pictureAssigned_ ? pictureImage_ : designImage_;
  if (image.isNull() || area.isEmpty()) return;
  QRect target = area;
  if (fit_) {
    target.setSize(image.size().scaled(area.size(), Qt::KeepAspectRatio));
    target.moveCenter(area.center());
  }
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(target, image);
}

void FxImageWidget::resizeEvent(QResizeEvent*) {
  if (!Animating()) return;
  // The placement may resize the control while the change plays: it goes on at the new size.
  from_ = from_.scaled(size());
  to_ = Compose(size());
  frame_ = Blank(size());
  NextFrame();
}

void FxImageWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (Animating()) {
    painter.drawImage(0, 0, frame_);
  } else {
    DrawContent(painter, rect());
  }
}

}  // namespace velvora::qt
