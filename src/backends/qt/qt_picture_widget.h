#pragma once
// The picture control's widget: it shows the frame the core's picture control holds, as it is.
#include <QImage>
#include <QWidget>
#include <functional>

#include "effects/transition.h"

namespace velvora::qt {

class FxImageWidget final : public QWidget {
 public:
  explicit FxImageWidget(QWidget* parent) : QWidget(parent) {}

  // The frame to show (premultiplied pixels at the widget's size); unset shows nothing.
  std::function<effects::ConstImage()> frame;
  // The frame covers the whole widget with opaque pixels: what lies beneath is then not drawn
  // first, and the frame is copied instead of blended over it.
  void SetOpaque(bool opaque);
  // The frame as an image that shares its pixels, valid until the control changes.
  QImage Shown() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool opaque_ = false;
};

}  // namespace velvora::qt
