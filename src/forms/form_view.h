#pragma once
// A backend's realisation of one form: it mirrors model changes onto native widgets.
#include "forms/types.h"
#include "platform/system.h"
#include "platform/toolkit.h"

namespace velvora {

class Control;

class FormView {
 public:
  virtual ~FormView() = default;
  virtual Hwnd WindowHandle() const = 0;
  virtual void FormChanged(Prop what) = 0;
  virtual void ControlChanged(Control& control, Prop what) = 0;
  // The window's outer rectangle (frame and title bar included) on the screen, in twips.
  virtual TwipsRect Frame() const = 0;
  // Moves the window so that its outer rectangle's top-left corner is at `left`, `top` (twips).
  virtual void MoveFrame(float left, float top) = 0;
  // Shows the window without border over the whole of a monitor (`monitor` as Toolkit::Monitors
  // gives it), above other windows; the window reports its geometry and that it is shown.
  virtual void CoverMonitor(const TwipsRect& monitor) = 0;
};

}  // namespace velvora
