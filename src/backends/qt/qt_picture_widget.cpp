#include "backends/qt/qt_picture_widget.h"

#include <QPaintEvent>
#include <QPainter>

namespace velvora::qt {

QImage FxImageWidget::Shown() const {
  if (!frame) return {};
  const effects::ConstImage f = frame();
  if (f.width <= 0 || f.height <= 0 || !f.pixels) return {};
  return QImage(reinterpret_cast<const uchar*>(f.pixels), f.width, f.height,
                static_cast<qsizetype>(f.stride) * 4, QImage::Format_ARGB32_Premultiplied);
}

void FxImageWidget::paintEvent(QPaintEvent* event) {
  const QImage image = Shown();
  if (image.isNull()) return;
  QPainter painter(this);
  const QRect area = event->rect();
  painter.drawImage(area, image, area);
}

}  // namespace velvora::qt
