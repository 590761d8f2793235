#include "backends/sim/sim_form_view.h"

#include <algorithm>
#include <cmath>

#include "forms/form.h"
#include "backends/sim/sim_platform.h"

namespace velvora {

SimView::SimView(SimPlatform& sim, Form& form, Hwnd handle) : sim_(sim), form_(form), handle_(handle) {
  for (const auto& control : form.Controls()) ReportPixelSize(*control);
}

SimView::~SimView() { sim_.ForgetWindow(handle_); }

TwipsRect SimView::Frame() const { return {form_.Left(), form_.Top(), form_.Width(), form_.Height()}; }

void SimView::MoveFrame(float left, float top) {
  form_.PlatformGeometry(left, top, form_.Width(), form_.Height());
}

void SimView::CoverMonitor(const TwipsRect& monitor) {
  placed_ = true;
  if (SimPlatform::Window* window = sim_.FindWindow(handle_)) {
    window->shown = true;
    window->topmost = true;
  }
  form_.PlatformGeometry(monitor.left, monitor.top, monitor.width, monitor.height);
  form_.PlatformVisible(true);
}

// A shown window is maximised over the screen, or has its design size where it was put.
void SimView::Place() {
  if (form_.GetWindowState() == WindowState::Maximized) {
    const float k = SimPlatform::kTwipsPerPixel;
    form_.PlatformGeometry(0, 0, static_cast<float>(sim_.screenWidth) * k, static_cast<float>(sim_.screenHeight) * k);
    return;
  }
  form_.PlatformGeometry(form_.Left(), form_.Top(), form_.Design().clientWidth, form_.Design().clientHeight);
}

void SimView::FormChanged(Prop what) {
  SimPlatform::Window* window = sim_.FindWindow(handle_);
  switch (what) {
    case Prop::Visible:
      if (window) window->shown = form_.Visible();
      if (form_.Visible() && !placed_) {
        placed_ = true;
        Place();
      }
      break;
    case Prop::WindowState:
      if (placed_) Place();
      break;
    case Prop::Owner:
      // The owner word, as GWL_HWNDPARENT reads it; an owner going away takes the window along.
      if (window) window->parent = form_.OwnerWindow();
      break;
    default:
      break;
  }
}

void SimView::ControlChanged(Control& control, Prop what) {
  if (what == Prop::Geometry) ReportPixelSize(control);
}

void SimView::ReportPixelSize(Control& control) {
  // Sizes no window could have (negative, not a number, beyond any screen) are cut to what one can.
  const auto pixels = [](float twips) {
    const float exact = twips / SimPlatform::kTwipsPerPixel;
    return exact > 0 ? static_cast<int>(std::lround(std::min(exact, 32767.0f))) : 0;
  };
  control.PlatformPixelSize(pixels(control.Width()), pixels(control.Height()));
}

}  // namespace velvora
