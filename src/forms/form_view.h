#pragma once
// A backend's realisation of one form: it mirrors model changes onto native widgets.
#include "forms/types.h"
#include "platform/system.h"

namespace velvora {

class Control;

class FormView {
 public:
  virtual ~FormView() = default;
  virtual Hwnd WindowHandle() const = 0;
  virtual void FormChanged(Prop what) = 0;
  virtual void ControlChanged(Control& control, Prop what) = 0;
};

}  // namespace velvora
