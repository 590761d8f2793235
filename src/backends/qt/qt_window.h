#pragma once
// The top-level widget of a form: its client area. Passes window events to its view.
#include <QWidget>

namespace velvora::qt {

class QtFormView;

class FormWindow final : public QWidget {
 public:
  explicit FormWindow(QtFormView* view);
  // The view is going away: from now on the window only waits to be deleted.
  void Detach() { view_ = nullptr; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QtFormView* view_;
};

}  // namespace velvora::qt
