#include "forms/program.h"

#include <new>

#include "forms/controls.h"

namespace velvora {

const char* EndReasonName(EndReason reason) {
  switch (reason) {
    case EndReason::Running: return "running";
    case EndReason::End: return "end";
    case EndReason::LastWindowClosed: return "last-window-closed";
    case EndReason::RuntimeError: return "runtime-error";
    case EndReason::Terminated: return "terminated";
  }
  return "";
}

ErrorBox RunTimeErrorBox(const RuntimeError& error) {
  return {.number = error.Code(),
          .description = error.Description(),
          .text = "Run-time error '" + std::to_string(error.Code()) + "':\n\n" + error.Description(),
          .caption = Program::kTitle,
          .style = mb::kOk | mb::kIconStop};
}

Program::Program(Platform platform, std::string commandLine)
    : platform_(platform), commandLine_(std::move(commandLine)) {}

Program::~Program() {
  // Views first: a backend's widgets may refer to their models.
  for (auto& [name, form] : forms_) form->DetachView();
  for (auto& form : dropped_) form->DetachView();
}

void Program::Load(std::unique_ptr<Form> owned) {
  Form& form = *owned;
  forms_.emplace(form.Name(), std::move(owned));
  form.AttachView(toolkit().Realise(form));
  for (Control* c : form.ControlsOf(ControlKind::Timer)) toolkit().TimerChanged(*static_cast<Timer*>(c));
  form.Form_Load();
}

Form* Program::FindForm(std::string_view name) const {
  auto it = forms_.find(name);
  return it == forms_.end() ? nullptr : it->second.get();
}

std::vector<Form*> Program::LoadedForms() const {
  std::vector<Form*> forms;
  for (const auto& [name, form] : forms_) forms.push_back(form.get());
  return forms;
}

void Program::Unload(Form& form, int unloadMode) {
  int cancel = 0;
  form.Form_QueryUnload(cancel, unloadMode);
  if (cancel) return;
  form.Form_Unload(cancel);
  if (cancel) return;
  Release(form.Name());
}

void Program::Release(std::string_view formName) {
  auto it = forms_.find(formName);
  if (it == forms_.end()) return;
  it->second->DetachView();
  dropped_.push_back(std::move(it->second));
  forms_.erase(it);
}

void Program::MarkEnded(EndReason reason) {
  if (Ended()) return;
  reason_ = reason;
  if (endHook_) endHook_();
}

void Program::End() {
  MarkEnded(EndReason::End);
  toolkit().Quit();
  throw EndProgram{};
}

void Program::Start(const std::function<void(Program&)>& main) {
  Dispatch([&] { main(*this); });
  started_ = true;
  if (!Ended() && forms_.empty()) {
    MarkEnded(EndReason::LastWindowClosed);
    toolkit().Quit();
  }
}

void Program::Dispatch(const std::function<void()>& handler) {
  if (Ended()) return;
  ++depth_;
  Run(handler);
  --depth_;
  // A handler that dispatched this one (Main in DoEvents) learns of an end when its DoEvents
  // or modal box returns.
  if (depth_ > 0) return;
  dropped_.clear();
  if (started_ && !Ended() && forms_.empty()) {
    MarkEnded(EndReason::LastWindowClosed);
    toolkit().Quit();
  }
}

void Program::Run(const std::function<void()>& handler) noexcept {
  try {
    handler();
  } catch (const EndProgram&) {
  } catch (const RuntimeError& error) {
    Fail(error);
  } catch (const std::bad_alloc&) {
    Fail(RuntimeError(ErrorNumber::OutOfMemory));
  } catch (...) {
    Fail(RuntimeError(ErrorNumber::InternalError));
  }
}

void Program::Fail(const RuntimeError& error) noexcept {
  try {
    // Guards come off before the box, so the user has a cursor to answer it with.
    MarkEnded(EndReason::RuntimeError);
    toolkit().ShowErrorBox(RunTimeErrorBox(error));
  } catch (...) {
    // Nothing more can be shown; the program ends all the same.
  }
  toolkit().Quit();
}

void Program::Raise(Form& form, Control* control, const InputEvent& event) {
  Dispatch([&] {
    if (control) {
      control->Input(event);
    } else {
      form.Input(event);
    }
  });
}

void Program::TimerTick(Timer& timer) {
  if (modalDepth_ > 0) return;
  Dispatch([&timer] { timer.Tick(); });
}

void Program::MonitorsChanged() {
  Dispatch([this] {
    for (Form* form : LoadedForms()) form->Form_MonitorsChanged();
  });
}

void Program::Terminate() {
  try {
    MarkEnded(EndReason::Terminated);
  } catch (...) {
    // Whatever the guards' restoring met, the program ends.
  }
  toolkit().Quit();  // also leaves the loop of an open modal box
}

void Program::UnwindIfEnded() const {
  if (Ended() && depth_ > 0) throw EndProgram{};
}

void Program::DoEvents() {
  toolkit().DoEvents();
  UnwindIfEnded();
}

template <class Box>
auto Program::Modal(const Box& box) {
  struct Hold {
    int& depth;
    explicit Hold(int& d) : depth(++d) {}
    ~Hold() { --depth; }
  } hold(modalDepth_);
  return box();
}

int Program::MsgBox(const std::string& prompt, int style, const std::string& title) {
  const std::string& caption = title.empty() ? std::string(kTitle) : title;
  const int answer = Modal([&] { return toolkit().MsgBox(prompt, style, caption); });
  UnwindIfEnded();
  return answer;
}

bool Program::ChooseColor(Colour& colour) {
  const bool chosen = Modal([&] { return toolkit().ChooseColor(colour); });
  UnwindIfEnded();
  return chosen;
}

}  // namespace velvora
