#include "backends/qt/qt_picture_widget.h"

#include <QPaintEvent>
#include <QPainter>

namespace velvora::qt {

void FxImageWidget::SetOpaque(bool opaque) {
  opaque_ = opaque;
  setAttribute(Qt::WA_OpaquePaintEvent, opaque);
}

QImage FxImageWidget::Shown() const {
  if (!frame) return {};
  const effects::ConstImage f = frame();
  if (f.width <= 0 || f.height <= 0 || !f.pixels) return {};
  // Opaque premultiplied pixels are RGB32 pixels as they stand.
  return QImage(reinterpret_cast<const uchar*>(f.pixels), f.width, f.height, static_cast<qsizetype>(f.stride) * 4,
                opaque_ ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
}

void FxImageWidget::paintEvent(QPaintEvent* event) {
  const QImage image = Shown();
  if (image.isNull()) return;
  QPainter painter(this);
  const QRect area = event->rect();
  painter.drawImage(area, image, area);
}

}  // namespace velvora::qt
