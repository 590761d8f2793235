#include "backends/qt/qt_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include "backends/qt/qt_input.h"
#include "backends/qt/qt_form_view.h"

namespace velvora::qt {

FormWindow::FormWindow(QtFormView* view) : view_(view) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
}

void FormWindow::closeEvent(QCloseEvent* event) {
  // The form decides whether it closes: its unload removes this window.
  event->ignore();
  if (view_) view_->Report(nullptr, {.kind = InputKind::CloseBox});
}

void FormWindow::resizeEvent(QResizeEvent*) {
  if (view_) view_->WindowGeometryChanged();
}

void FormWindow::moveEvent(QMoveEvent*) {
  if (view_) view_->WindowGeometryChanged();
}

void FormWindow::showEvent(QShowEvent* event) {
  if (!view_ || event->spontaneous()) return;
  view_->WindowShown();
  // The X11 platform makes the native window afresh after this event when a flag such as
  // stay-on-top has changed since the last showing; the new one exists once the show returns.
  QTimer::singleShot(0, this, [this] {
    if (view_) view_->NativeWindowMade();
  });
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
  // Keys reach the form only when none of its controls has the focus.
  QWidget* focus = focusWidget();
  if (!view_ || (focus && focus != this)) return QWidget::keyPressEvent(event);
  QtFormView* view = view_;
  view->Report(nullptr, KeyDownEvent(*event));
  if (auto typed = KeyPressEvent(*event); typed && view_) view->Report(nullptr, *typed);
}

void FormWindow::mouseMoveEvent(QMouseEvent* event) {
  if (view_ && view_->FirstReportOf(*event)) view_->Report(nullptr, PointerEvent(InputKind::MouseMove, *event));
}

void FormWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (view_ && rect().contains(event->position().toPoint())) view_->Report(nullptr, {.kind = InputKind::Click});
}

void FormWindow::mouseDoubleClickEvent(QMouseEvent*) {
  if (view_) view_->Report(nullptr, {.kind = InputKind::DblClick});
}

}  // namespace velvora::qt
