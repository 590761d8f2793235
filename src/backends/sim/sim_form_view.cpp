#include "backends/sim/sim_form_view.h"

#include "forms/form.h"
#include "backends/sim/sim_platform.h"

namespace velvora {

SimView::SimView(SimPlatform& sim, Form& form, Hwnd handle) : sim_(sim), form_(form), handle_(handle) {}

SimView::~SimView() { sim_.ForgetWindow(handle_); }

// A window takes its place when it is first shown: maximised over the screen, centred, or at
// the default position with its design size.
void SimView::Place() {
  const float k = SimPlatform::kTwipsPerPixel;
  float screenW = static_cast<float>(sim_.screenWidth) * k;
  float screenH = static_cast<float>(sim_.screenHeight) * k;
  if (form_.GetWindowState() == WindowState::Maximized) {
    sim_.ResizeWindow(form_, 0, 0, screenW, screenH);
    return;
  }
  float w = form_.Design().clientWidth, h = form_.Design().clientHeight;
  bool centred = form_.Design().start != StartPosition::Default;
  float left = centred ? (screenW - w) / 2 : 0, top = centred ? (screenH - h) / 2 : 0;
  sim_.ResizeWindow(form_, left, top, w, h);
}

void SimView::FormChanged(Prop what) {
  SimPlatform::Window* window = sim_.FindWindow(handle_);
  switch (what) {
    case Prop::Visible:
      if (window) window->shown = form_.Visible();
      if (form_.Visible() && !placed_) {
        placed_ = true;
        Place();
        sim_.PostResize(form_);  // the first showing always reports a size
      }
      break;
    case Prop::WindowState:
      if (placed_) Place();
      break;
    default:
      break;
  }
}

}  // namespace velvora
