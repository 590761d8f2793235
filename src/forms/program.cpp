#include "forms/program.h"

#include "forms/controls.h"
#include "runtime/errors.h"

namespace velvora {

const char* EndReasonName(EndReason reason) {
  switch (reason) {
    case EndReason::Running: return "running";
    case EndReason::End: return "end";
    case EndReason::LastWindowClosed: return "last-window-closed";
    case EndReason::RuntimeError: return "runtime-error";
  }
  return "";
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
  try {
    handler();
  } catch (const EndProgram&) {
  } catch (const RuntimeError& error) {
    // Guards come off before the box, so the user has a cursor to answer it with.
    MarkEnded(EndReason::RuntimeError);
    toolkit().ShowRuntimeError(error);
    toolkit().Quit();
  }
  --depth_;
  if (depth_ > 0) {
    if (Ended()) throw EndProgram{};  // unwind the handler that dispatched this one
    return;
  }
  dropped_.clear();
  if (started_ && !Ended() && forms_.empty()) {
    MarkEnded(EndReason::LastWindowClosed);
    toolkit().Quit();
  }
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

}  // namespace velvora
