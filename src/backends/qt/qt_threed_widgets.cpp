#include "backends/qt/qt_threed_widgets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QStyle>

#include "forms/control.h"

namespace velvora::qt {

QString CaptionLines(const QString& caption) {
  return QString::fromStdString(velvora::CaptionLines(caption.toStdString()));
}

// ---- outlined text ----

QImage OutlinedText(QSize size, const QFont& font, int flags, const QString& text, const QColor& face) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  if (text.isEmpty() || size.isEmpty()) return image;
  const QFontMetrics metrics(font);
  const int radius = std::max(1, metrics.height() / 14);
  const QRect area = QRect(QPoint(0, 0), size).adjusted(radius, radius, -radius, -radius);
  // Perceived brightness: pure green is light, dark blue is dark.
  const bool lightFace = 299 * face.red() + 587 * face.green() + 114 * face.blue() >= 128000;
  QPainter painter(&image);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setFont(font);
  painter.setPen(lightFace ? QColor(0, 0, 0, 200) : QColor(255, 255, 255, 200));
  for (int dy = -radius; dy <= radius; ++dy) {
    for (int dx = -radius; dx <= radius; ++dx) {
      if ((dx != 0 || dy != 0) && dx * dx + dy * dy <= radius * radius + radius) {
        painter.drawText(area.translated(dx, dy), flags, text);
      }
    }
  }
  painter.setPen(face);
  painter.drawText(area, flags, text);
  return image;
}

// ---- styled label ----

StyledLabelWidget::StyledLabelWidget(QWidget* parent) : QWidget(parent) {
  // The label is part of the picture it lies on: the pointer belongs to that picture.
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void StyledLabelWidget::SetCaption(const QString& caption) {
  caption_ = CaptionLines(caption);
  drawn_ = {};
  update();
}

void StyledLabelWidget::SetColour(const QColor& colour) {
  colour_ = colour;
  drawn_ = {};
  update();
}

void StyledLabelWidget::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) drawn_ = {};
  QWidget::changeEvent(event);
}

void StyledLabelWidget::resizeEvent(QResizeEvent*) { drawn_ = {}; }

void StyledLabelWidget::paintEvent(QPaintEvent*) {
  if (drawn_.isNull()) drawn_ = OutlinedText(size(), font(), Qt::AlignCenter | Qt::TextWordWrap, caption_, colour_);
  QPainter(this).drawImage(0, 0, drawn_);
}

// ---- bevels and panels ----

void DrawBevel(QPainter& painter, const QRect& rect, const QColor& face, int width, bool sunken) {
  const QColor light = face.lighter(160), dark = face.darker(200);
  const QColor topLeft = sunken ? dark : light, bottomRight = sunken ? light : dark;
  for (int i = 0; i < width; ++i) {
    const QRect r = rect.adjusted(i, i, -i - 1, -i - 1);
    painter.setPen(topLeft);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
  }
}

PanelWidget::PanelWidget(QWidget* parent) : QWidget(parent) {}

void PanelWidget::SetCaption(const QString& caption, bool atTop) {
  caption_ = CaptionLines(caption);
  atTop_ = atTop;
  update();
}

void PanelWidget::SetColours(const QColor& face, const QColor& text) {
  face_ = face;
  text_ = text;
  update();
}

void PanelWidget::SetBevelWidth(int width) {
  bevel_ = width;
  update();
}

void PanelWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), face_);
  DrawBevel(painter, rect(), face_, bevel_, false);
  painter.setFont(font());
  painter.setPen(text_);
  const QRect inside = rect().adjusted(bevel_ + 2, bevel_ + 2, -bevel_ - 2, -bevel_ - 2);
  painter.drawText(inside, (atTop_ ? Qt::AlignTop | Qt::AlignHCenter : Qt::AlignCenter) | Qt::TextWordWrap,
                   caption_);
}

// ---- 3-D button ----

Button3dWidget::Button3dWidget(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
}

void Button3dWidget::SetCaption(const QString& caption) {
  caption_ = CaptionLines(caption);
  delete shortcut_;
  shortcut_ = nullptr;
  const QKeySequence key = QKeySequence::mnemonic(caption_);
  if (!key.isEmpty()) {
    shortcut_ = new QShortcut(key, this);
    QObject::connect(shortcut_, &QShortcut::activated, this, [this] { Click(); });
  }
  update();
}

void Button3dWidget::SetColours(const QColor& face, const QColor& text) {
  face_ = face;
  text_ = text;
  update();
}

void Button3dWidget::SetPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void Button3dWidget::SetAppearance(int appearance) {
  appearance_ = appearance;
  update();
}

void Button3dWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor face = appearance_ == 3 ? face_.lighter(115) : face_;
  painter.fillRect(rect(), face);
  const int bevel = appearance_ == 3 ? 3 : 2;
  if (!picture_.isNull()) {
    // The bitmap lies centred on the face, cut to the button.
    const QRect inside = rect().adjusted(bevel, bevel, -bevel, -bevel);
    QRect target(QPoint(0, 0), picture_.size());
    target.moveCenter(inside.center());
    painter.setClipRect(inside);
    painter.drawImage(target, picture_);
    painter.setClipping(false);
  }
  DrawBevel(painter, rect(), face, bevel, pressed_);
  const QColor text = isEnabled() ? text_ : palette().color(QPalette::Disabled, QPalette::ButtonText);
  const QPoint shift(pressed_ ? 1 : 0, pressed_ ? 1 : 0);
  constexpr int kFlags = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextWordWrap;
  if (!picture_.isNull()) {
    // Over a bitmap the caption is outlined, so it reads whatever the bitmap holds under it.
    painter.drawImage(shift, OutlinedText(size(), font(), kFlags, caption_, text));
  } else {
    painter.setFont(font());
    painter.setPen(text);
    style()->drawItemText(&painter, rect().translated(shift), kFlags, palette(), isEnabled(), caption_);
  }
  if (hasFocus()) {
    painter.setPen(QPen(text_, 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(bevel + 2, bevel + 2, -bevel - 3, -bevel - 3));
  }
}

void Button3dWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = true;
  update();
}

void Button3dWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  update();
  if (rect().contains(event->position().toPoint())) Click();
}

void Button3dWidget::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

void Button3dWidget::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    Click();
    return;
  }
  QWidget::keyPressEvent(event);
}

void Button3dWidget::enterEvent(QEnterEvent*) {
  if (onEnter) onEnter();
}

void Button3dWidget::leaveEvent(QEvent*) {
  if (onLeave) onLeave();
}

void Button3dWidget::Click() {
  if (isEnabled() && onClick) onClick();
}

}  // namespace velvora::qt
