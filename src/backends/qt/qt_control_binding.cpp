#include "backends/qt/qt_control_binding.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "backends/qt/qt_input.h"
#include "backends/qt/qt_form_view.h"
#include "backends/qt/qt_units.h"

namespace velvora::qt {

ControlBinding::ControlBinding(QtFormView& view, Control& control, QWidget* widget)
    : QObject(widget), view_(&view), control_(&control), widget_(widget) {
  widget->setObjectName(QString::fromStdString(control.Name()));
  widget->setMouseTracking(true);
  widget->installEventFilter(this);
}

void ControlBinding::Apply(Prop what) {
  if (!control_) return;
  switch (what) {
    case Prop::Geometry: ApplyGeometry(); break;
    case Prop::Visible: widget_->setVisible(control_->Visible()); break;
    case Prop::Enabled: widget_->setEnabled(control_->Enabled()); break;
    case Prop::Font: widget_->setFont(ToQFont(control_->GetFont())); ApplyOwn(what); break;
    case Prop::ForeColor:
    case Prop::BackColor: ApplyColours(); ApplyOwn(what); break;
    case Prop::Repaint: ApplyOwn(what); widget_->repaint(); break;
    case Prop::ZOrder: widget_->raise(); break;
    default: ApplyOwn(what); break;
  }
}

void ControlBinding::ApplyAll() {
  if (!control_) return;
  widget_->setToolTip(QString::fromStdString(control_->ToolTipText()));
  for (Prop what : {Prop::Font, Prop::ForeColor, Prop::Caption, Prop::Text, Prop::Range,
                    Prop::Value, Prop::Path, Prop::Items, Prop::ListIndex, Prop::Picture,
                    Prop::Appearance, Prop::Geometry, Prop::Enabled, Prop::Visible}) {
    Apply(what);
  }
}

void ControlBinding::ApplyGeometry() {
  Control& c = *control_;
  widget_->setGeometry(PixelRect(c.Left(), c.Top(), c.Width(), c.Height()));
  c.PlatformPixelSize(widget_->width(), widget_->height());
}

void ControlBinding::ApplyColours() {
  QPalette palette = widget_->palette();
  const QColor back = ToQColor(control_->BackColor());
  const QColor fore = ToQColor(control_->ForeColor());
  palette.setColor(QPalette::Window, back);
  palette.setColor(QPalette::Button, back);
  palette.setColor(QPalette::WindowText, fore);
  palette.setColor(QPalette::ButtonText, fore);
  widget_->setPalette(palette);
}

void ControlBinding::Report(const InputEvent& event) {
  if (control_ && view_) view_->Report(control_, event);
}

bool ControlBinding::eventFilter(QObject* watched, QEvent* event) {
  if (watched != widget_ || !control_) return false;
  switch (event->type()) {
    case QEvent::MouseMove:
      if (view_->FirstReportOf(static_cast<QMouseEvent&>(*event))) {
        Report(PointerEvent(InputKind::MouseMove, static_cast<QMouseEvent&>(*event)));
      }
      return passive;
    case QEvent::MouseButtonPress:
      return passive;
    case QEvent::MouseButtonRelease:
      if (passive && widget_->rect().contains(static_cast<QMouseEvent&>(*event).position().toPoint())) {
        Report({.kind = InputKind::Click});
      }
      return passive;
    case QEvent::MouseButtonDblClick:
      if (passive) Report({.kind = InputKind::DblClick});
      return passive;
    case QEvent::KeyPress: {
      const auto& key = static_cast<QKeyEvent&>(*event);
      Report(KeyDownEvent(key));
      if (auto typed = KeyPressEvent(key)) Report(*typed);
      break;
    }
    default: break;
  }
  return false;  // the widget still handles the key itself
}

}  // namespace velvora::qt
