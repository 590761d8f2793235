// The simulated toolkit: windows, virtual-time timers, scripted dialogs and the event queue.
#include <algorithm>
#include <cstdio>

#include "effects/transition.h"
#include "forms/controls.h"
#include "forms/program.h"
#include "backends/sim/sim_platform.h"
#include "backends/sim/sim_form_view.h"
#include "runtime/errors.h"

namespace velvora {

SimPlatform::SimPlatform(std::string programFolder) : programFolder_(std::move(programFolder)) {}
SimPlatform::~SimPlatform() = default;

// ---- windows ----

std::unique_ptr<FormView> SimPlatform::Realise(Form& form) {
  Hwnd handle = nextWindow_;
  nextWindow_ += 0x10;
  windows_[handle] = {&form, InitialWindowStyle(form.Design()), 0, false};
  return std::make_unique<SimView>(*this, form, handle);
}

SimPlatform::Window* SimPlatform::FindWindow(Hwnd window) {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

void SimPlatform::ForgetWindow(Hwnd window) { windows_.erase(window); }

std::int32_t SimPlatform::WindowStyle(Hwnd window) const {
  auto it = windows_.find(window);
  return it == windows_.end() ? 0 : it->second.style;
}

Hwnd SimPlatform::ParentOf(Hwnd window) const {
  auto it = windows_.find(window);
  return it == windows_.end() ? 0 : it->second.parent;
}

void SimPlatform::DestroyHost(Hwnd host) {
  hostWindows.erase(host);
  std::vector<Hwnd> embedded;
  for (const auto& [handle, window] : windows_) {
    if (window.parent == host) embedded.push_back(handle);
  }
  for (Hwnd handle : embedded) {
    // An earlier report may have ended the program and taken the window with it.
    if (Window* window = FindWindow(handle)) {
      window->form->program().Raise(*window->form, nullptr, {.kind = InputKind::HostGone});
    }
  }
}

TwipsRect SimPlatform::WorkArea() {
  return {0, 0, static_cast<float>(screenWidth) * kTwipsPerPixel, static_cast<float>(screenHeight) * kTwipsPerPixel};
}

std::vector<Monitor> SimPlatform::Monitors() {
  std::vector<Monitor> monitors{{WorkArea(), true}};
  const auto twips = [](int pixels) { return static_cast<float>(pixels) * kTwipsPerPixel; };
  for (const MonitorArea& m : otherMonitors) {
    monitors.push_back({{twips(m.left), twips(m.top), twips(m.width), twips(m.height)}, false});
  }
  return monitors;
}

std::vector<Form*> SimPlatform::ShownForms() const {
  std::vector<Form*> shown;
  for (const auto& [handle, window] : windows_) {
    if (window.shown) shown.push_back(window.form);
  }
  return shown;
}

// ---- time and events ----

void SimPlatform::TimerChanged(Timer& timer) {
  if (timer.IsEnabled() && timer.Interval() > 0) {
    timers_[&timer] = {now_ + timer.Interval(), nextOrder_++};
  } else {
    timers_.erase(&timer);
  }
}

void SimPlatform::TimerRemoved(Timer& timer) { timers_.erase(&timer); }

void SimPlatform::RunPending() {
  while (!pending_.empty()) {
    auto event = std::move(pending_.front());
    pending_.pop_front();
    event();
  }
}

void SimPlatform::DoEvents() { RunPending(); }

void SimPlatform::StartFrames(std::function<void(std::int64_t)> onFrame) {
  if (!onFrame_) nextFrame_ = (now_ / kFramePeriodMs + 1) * kFramePeriodMs;
  onFrame_ = std::move(onFrame);
}

void SimPlatform::Advance(std::int64_t ms) {
  const std::int64_t target = now_ + ms;
  RunPending();
  for (;;) {
    auto next = std::min_element(timers_.begin(), timers_.end(), [](const auto& a, const auto& b) {
      return std::tie(a.second.due, a.second.order) < std::tie(b.second.due, b.second.order);
    });
    const bool timerDue = next != timers_.end() && next->second.due <= target;
    if (onFrame_ && nextFrame_ <= target && (!timerDue || nextFrame_ <= next->second.due)) {
      now_ = nextFrame_;
      nextFrame_ += kFramePeriodMs;
      const auto onFrame = onFrame_;  // the frame may stop the clock
      onFrame(now_);
      RunPending();
      continue;
    }
    if (!timerDue) break;
    Timer* timer = next->first;
    const std::uint64_t order = next->second.order;
    now_ = next->second.due;
    timer->Owner().program().TimerTick(*timer);
    // Unless the handler restarted or removed it, the timer's next tick is one interval on.
    if (auto again = timers_.find(timer); again != timers_.end() && again->second.order == order) {
      again->second = {now_ + timer->Interval(), nextOrder_++};
    }
    RunPending();
  }
  now_ = target;
}

// ---- colours ----

// The desktop's colours are the fixed defaults, so frames are the same on every machine.
std::uint32_t SimPlatform::SystemColourArgb(int index) { return effects::DefaultSystemColour(index); }

// ---- dialogs ----

void SimPlatform::BoxOpen() {
  if (whileBoxOpen) whileBoxOpen();
}

int SimPlatform::MsgBox(const std::string& prompt, int style, const std::string& title) {
  BoxOpen();
  int answer = mb::DefaultAnswer(style);
  if (!messageBoxAnswers.empty()) {
    answer = messageBoxAnswers.front();
    messageBoxAnswers.pop_front();
  }
  boxes_.push_back({prompt, title, style, answer});
  return answer;
}

bool SimPlatform::ChooseColor(std::int32_t& colour) {
  colourDialogs_.push_back(colour);
  BoxOpen();
  std::optional<Colour> answer;
  if (!colourAnswers.empty()) {
    answer = colourAnswers.front();
    colourAnswers.pop_front();
  }
  if (!answer) return false;
  colour = *answer;
  return true;
}

void SimPlatform::ShowErrorBox(const ErrorBox& box) {
  errors_.push_back({box.number, box.description});
  BoxOpen();
}

}  // namespace velvora
