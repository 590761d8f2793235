#pragma once
// The link between one control model and its widget: applies the model's properties to the
// widget and reports the user's input on it. Owned by its widget; detached (and then inert)
// as soon as its form's view goes away, since the model may be freed before the widget is.
#include <QObject>
#include <QPointer>
#include <memory>

#include "forms/control.h"

class QWidget;

namespace velvora::qt {

class QtFormView;

class ControlBinding : public QObject {
 public:
  ControlBinding(QtFormView& view, Control& control, QWidget* widget);

  QWidget* widget() const { return widget_; }
  // Where the controls this one contains are placed.
  virtual QWidget* ChildParent() const { return widget_; }
  // Mirrors one property of the model (after Detach: nothing).
  void Apply(Prop what);
  // Mirrors every property, once, after the widget is built.
  void ApplyAll();
  void Detach() { control_ = nullptr; view_ = nullptr; }

 protected:
  Control* control() const { return control_; }
  // The model's kind-specific properties (caption, text, items, value...).
  virtual void ApplyOwn(Prop what) = 0;
  virtual void ApplyGeometry();
  virtual void ApplyColours();
  // Reports input; the binding may be detached when this returns.
  void Report(const InputEvent& event);
  // Input the widget itself handles (buttons, lists) is reported by its signals; the pointer
  // and keys by this filter. Passive kinds (labels, pictures, panels, frames) also report
  // clicks, and keep the pointer's events to themselves, as only the control under the pointer
  // hears of it.
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool passive = false;

 private:
  QtFormView* view_;
  Control* control_;
  QWidget* widget_;
};

// Builds the widget and binding for a control under `parent` (null for kinds without a window
// area: timers and the colour dialog).
ControlBinding* Bind(QtFormView& view, Control& control, QWidget* parent);

}  // namespace velvora::qt
