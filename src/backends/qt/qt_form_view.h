#pragma once
// One form realised as a top-level Qt window: builds a widget for each control from its
// designer values, mirrors model changes onto them and reports user input back to the program.
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "forms/form.h"
#include "forms/form_view.h"

class QMouseEvent;
class QTimer;

namespace velvora::qt {

class ControlBinding;
class QtPlatform;
class FormWindow;

class QtFormView final : public FormView {
 public:
  QtFormView(QtPlatform& platform, Form& form);
  ~QtFormView() override;
  QtFormView(const QtFormView&) = delete;
  QtFormView& operator=(const QtFormView&) = delete;

  Hwnd WindowHandle() const override { return handle_; }
  void FormChanged(Prop what) override;
  void ControlChanged(Control& control, Prop what) override;
  TwipsRect Frame() const override;
  void MoveFrame(float left, float top) override;
  void CoverMonitor(const TwipsRect& monitor) override;

  Form& form() const { return form_; }
  QWidget* window() const;
  QWidget* WidgetOf(const Control& control) const;
  // Reports user input on the form (control null) or one of its controls to the program.
  void Report(Control* control, const InputEvent& event);

  // ---- what the system calls do to this window ----
  std::int32_t style = 0;  // the window style word as the system calls read and write it
  Hwnd owner = 0;
  Hwnd parent = 0;
  // Makes the window a child of a foreign X11 window and reports when that goes away.
  void EmbedInto(Hwnd host);
  void SetTopmost();
  // Moves and/or sizes the window (pixels; on the desktop, or in the host when embedded) and
  // shows it when asked, without activating it.
  void Place(const QRect* geometry, bool show, bool activate);
  // The window's client area where Place takes it.
  QRect Geometry() const;

  // A pointer move that a widget ignores travels on to its parent; only the control under the
  // pointer reports it, so each move is reported once.
  bool FirstReportOf(const QMouseEvent& event);

  // ---- called by the window widget ----
  void WindowGeometryChanged();
  void WindowShown();
  // After a showing: the native window the show may have made afresh exists now.
  void NativeWindowMade();

 private:
  void ShowAsDesigned();
  QPoint Origin() const;
  void ApplyBackColor();
  void ApplyTabOrder();

  QtPlatform& platform_;
  Form& form_;
  QPointer<FormWindow> window_;
  Hwnd handle_ = 0;
  std::vector<ControlBinding*> bindings_;  // owned by their widgets
  std::map<const Control*, ControlBinding*> byControl_;
  QPointer<QTimer> hostWatch_;
  std::optional<QSize> hostSize_;  // the embedding host's size when last seen
  bool embedded_ = false;
  quint64 lastMoveTimestamp_ = 0;
  QPointF lastMoveAt_;
};

}  // namespace velvora::qt
