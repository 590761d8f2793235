#pragma once
// A simulated window: it has a handle, takes the screen's size when maximised and reports the
// resize events a real window would.
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
  void ControlChanged(Control& /*control*/, Prop /*what*/) override {}

 private:
  void Place();
  SimPlatform& sim_;
  Form& form_;
  Hwnd handle_;
  bool placed_ = false;
};

}  // namespace velvora
