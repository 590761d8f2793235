#pragma once
// The picture control: shows a picture (or its design bitmap), fitted or stretched, and plays
// the transition from what it showed before to a newly assigned picture at the display's rate.
#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include "platform/picture.h"
#include "effects/transition.h"

namespace velvora::qt {

// A decoded picture as a QImage that shares its pixels (the picture must outlive the image).
QImage ImageOf(const Picture& picture);

class FxImageWidget final : public QWidget {
 public:
  explicit FxImageWidget(QWidget* parent);

  void SetDesignImage(const QImage& image);
  // A new picture, or null to clear. The next PlayTransition animates the change from what
  // the control showed until now; without one the new picture simply appears.
  void SetPicture(PicturePtr picture);
  // Fit keeps the picture's proportions inside the control; otherwise it fills the control.
  void SetFit(bool fit);
  void PlayTransition(const effects::TransitionParams& params);
  bool Animating() const { return ticker_.isActive(); }
  // What the control shows now, at its size (a frame of the transition while one plays).
  QImage Shown() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The control's content (without any transition) at a size, transparent around the picture.
  QImage Compose(const QSize& size) const;
  void DrawContent(QPainter& painter, const QRect& area) const;
  void NextFrame();

  PicturePtr picture_;
  QImage pictureImage_;
  QImage designImage_;
  bool pictureAssigned_ = false;
  bool fit_ = false;

  bool changePending_ = false;
  QImage pendingFrom_;
  QImage from_, to_, frame_;
  effects::TransitionParams params_;
  effects::TransitionScratch scratch_;
  int durationMs_ = 1;
  QElapsedTimer clock_;
  QTimer ticker_;
};

}  // namespace velvora::qt
