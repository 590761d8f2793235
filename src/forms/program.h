#pragma once
// The running program: the platform it runs on, the program-wide values the behaviour names,
// the one instance of each window class (created and loaded on first use), event dispatch,
// and End.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "forms/form.h"
#include "platform/platform.h"
#include "runtime/int16.h"
#include "runtime/random.h"

namespace velvora {

// Thrown by End to stop the running handler at once; only the dispatcher catches it.
struct EndProgram {};

enum class EndReason { Running, End, LastWindowClosed, RuntimeError };
const char* EndReasonName(EndReason reason);

class Program {
 public:
  static constexpr const char* kTitle = "Velvora";  // the program's title

  Program(Platform platform, std::string commandLine);
  ~Program();

  System& sys() const { return platform_.system; }
  Toolkit& toolkit() const { return platform_.toolkit; }
  SettingsStore& store() const { return platform_.store; }
  // The text after the program's name, exactly as the host gave it.
  const std::string& Command() const { return commandLine_; }
  float Rnd() { return random_.Next(); }

  // Program-wide values.
  Bool16 PreviewMode = kFalse16;
  std::string IntervalUnit;
  Hwnd TaskbarWnd = 0;
  std::int16_t TaskbarWasDisabled = 0;

  // The one instance of a window class, created and loaded if it does not exist.
  template <class F>
  F& Use() {
    auto it = forms_.find(F::kName);
    if (it != forms_.end()) return static_cast<F&>(*it->second);
    auto form = std::make_unique<F>(*this);
    F& ref = *form;
    Load(std::move(form));
    return ref;
  }
  // The instance if it is loaded, else null; never creates one.
  template <class F>
  F* IfLoaded() const {
    return static_cast<F*>(FindForm(F::kName));
  }
  Form* FindForm(std::string_view name) const;
  std::vector<Form*> LoadedForms() const;
  // Unloads a form (its query-unload and unload handlers may cancel); the next use builds it anew.
  void Unload(Form& form, int unloadMode = kUnloadFromCode);
  // Drops the program's reference to a form without its unload handlers.
  void Release(std::string_view formName);

  // Ends the program at once: no further handler runs.
  [[noreturn]] void End();
  // Runs the start-up procedure, then ends the program if no window is loaded.
  void Start(const std::function<void(Program&)>& main);
  // Runs one handler as the toolkit dispatches it: an untrapped run-time error shows the error
  // box and ends the program; End stops it. The one entry for every event and timer tick.
  void Dispatch(const std::function<void()>& handler);
  // User input on a form (control null) or one of its controls.
  void Raise(Form& form, Control* control, const InputEvent& event);

  bool Ended() const { return reason_ != EndReason::Running; }
  EndReason Reason() const { return reason_; }
  // Restores what the run changed on the platform, whichever way the program ends.
  void SetEndHook(std::function<void()> hook) { endHook_ = std::move(hook); }

 private:
  void Load(std::unique_ptr<Form> form);
  void MarkEnded(EndReason reason);

  Platform platform_;
  std::string commandLine_;
  Random random_;
  std::map<std::string, std::unique_ptr<Form>, std::less<>> forms_;
  std::vector<std::unique_ptr<Form>> dropped_;  // freed when the outermost handler returns
  std::function<void()> endHook_;
  EndReason reason_ = EndReason::Running;
  int depth_ = 0;
  bool started_ = false;
};

}  // namespace velvora
