#pragma once
// Our own small widgets for the outside controls: the styled label, the 3-D panel and the 3-D
// button. They only draw and report; the model decides everything else.
#include <QImage>
#include <QWidget>
#include <functional>

class QShortcut;

namespace velvora::qt {

// Normalises the line breaks a caption may hold (CR LF, LF CR, CR) to LF.
QString CaptionLines(const QString& caption);

// Text that reads on any picture: its face drawn over an outline in the contrasting shade (dark
// under a light face, light under a dark one), as an image of `size` with the text laid out by
// `flags` (the outline keeps clear of the edges).
QImage OutlinedText(QSize size, const QFont& font, int flags, const QString& text, const QColor& face);

// A transparent text label, centred, its text outlined so it reads on any picture.
class StyledLabelWidget final : public QWidget {
 public:
  explicit StyledLabelWidget(QWidget* parent);
  void SetCaption(const QString& caption);
  QString Caption() const { return caption_; }
  void SetColour(const QColor& colour);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QString caption_;
  QColor colour_;
  QImage drawn_;  // the outlined text, made again after any change (the picture under it may
                  // repaint every frame of a transition)
};

// Draws a raised bevel of `width` pixels around `rect` in shades of `face`.
void DrawBevel(QPainter& painter, const QRect& rect, const QColor& face, int width, bool sunken);

// A raised 3-D panel with a caption in its middle or at its top; it can hold other controls.
class PanelWidget final : public QWidget {
 public:
  explicit PanelWidget(QWidget* parent);
  void SetCaption(const QString& caption, bool atTop);
  void SetColours(const QColor& face, const QColor& text);
  void SetBevelWidth(int width);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
  bool atTop_ = false;
  QColor face_, text_;
  int bevel_ = 2;
};

// A 3-D push button with an optional bitmap under its caption; it reports the pointer coming
// and going (highlight) and clicks, including its access key.
class Button3dWidget final : public QWidget {
 public:
  explicit Button3dWidget(QWidget* parent);
  void SetCaption(const QString& caption);
  void SetColours(const QColor& face, const QColor& text);
  void SetPicture(const QImage& picture);
  // 3 draws the highlighted look, 0 the plain one.
  void SetAppearance(int appearance);

  std::function<void()> onClick;
  std::function<void()> onEnter;
  std::function<void()> onLeave;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void Click();
  QString caption_;
  QColor face_, text_;
  QImage picture_;
  QShortcut* shortcut_ = nullptr;
  int appearance_ = 0;
  bool pressed_ = false;
};

}  // namespace velvora::qt
