// The simulated toolkit: windows, virtual-time timers, scripted dialogs and the event queue.
#include <algorithm>
#include <cstdio>

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
  // A borderless window is a pop-up; others are overlapped windows with a caption.
  constexpr std::int32_t kPopup = static_cast<std::int32_t>(0x80000000u);
  constexpr std::int32_t kOverlapped = 0x00CF0000;
  windows_[handle] = {&form, form.Design().border == BorderStyle::None ? kPopup : kOverlapped, 0, false};
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

void SimPlatform::PostResize(Form& form) {
  Program* program = &form.program();
  std::string name = form.Name();
  pending_.push_back([program, name] {
    if (Form* f = program->FindForm(name)) program->Raise(*f, nullptr, {.kind = InputKind::Resize});
  });
}

void SimPlatform::ResizeWindow(Form& form, float left, float top, float width, float height) {
  bool resized = width != form.Width() || height != form.Height();
  form.PlatformGeometry(left, top, width, height);
  if (resized && form.Visible()) PostResize(form);
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

void SimPlatform::Advance(std::int64_t ms) {
  const std::int64_t target = now_ + ms;
  RunPending();
  for (;;) {
    auto next = std::min_element(timers_.begin(), timers_.end(), [](const auto& a, const auto& b) {
      return std::tie(a.second.due, a.second.order) < std::tie(b.second.due, b.second.order);
    });
    if (next == timers_.end() || next->second.due > target) break;
    Timer* timer = next->first;
    const std::uint64_t order = next->second.order;
    now_ = next->second.due;
    timer->Owner().program().Dispatch([timer] { timer->Tick(); });
    // Unless the handler restarted or removed it, the timer's next tick is one interval on.
    if (auto again = timers_.find(timer); again != timers_.end() && again->second.order == order) {
      again->second = {now_ + timer->Interval(), nextOrder_++};
    }
    RunPending();
  }
  now_ = target;
}

// ---- dialogs ----

int SimPlatform::MsgBox(const std::string& prompt, int style, const std::string& title) {
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
  std::optional<Colour> answer;
  if (!colourAnswers.empty()) {
    answer = colourAnswers.front();
    colourAnswers.pop_front();
  }
  if (!answer) return false;
  colour = *answer;
  return true;
}

void SimPlatform::ShowRuntimeError(const RuntimeError& error) {
  errors_.push_back({error.Code(), error.Description()});
}

}  // namespace velvora
