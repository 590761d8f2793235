#pragma once
// A simulated window: it has a handle, takes the screen's size when maximised and reports its
// geometry as a real window would. Its frame is its client area (the simulated windows have no
// borders).
#include "forms/form_view.h"

namespace velvora {

class Form;
class SimPlatform;

class SimView final : public FormView {
 public:
  SimView(SimPlatform& sim, Form& form, Hwnd handle);
  ~SimView() override;
  Hwnd WindowHandle() const override { return handle_; }
  void FormChanged(Prop what) override;
  void ControlChanged(Control& control, Prop what) override;
  TwipsRect Frame() const override;
  void MoveFrame(float left, float top) override;
  void CoverMonitor(const TwipsRect& monitor) override;

 private:
  void Place();
  // A control's size in pixels, as a window of this platform would give it.
  static void ReportPixelSize(Control& control);
  SimPlatform& sim_;
  Form& form_;
  Hwnd handle_;
  bool placed_ = false;
};

}  // namespace velvora
