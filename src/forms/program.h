#pragma once
// The running program: the platform it runs on, the program-wide values the behaviour names,
// the one instance of each window class (created and loaded on first use), event dispatch,
// modal boxes, and End.
//
// A backend reaches the program only through its entries (Dispatch, Raise, TimerTick,
// MonitorsChanged, Terminate). None of them throws: whatever a handler lets escape is dealt with
// inside, so a backend's event code (a window procedure, a Qt event handler) is never unwound.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "forms/form.h"
#include "forms/frame_clock.h"
#include "platform/platform.h"
#include "runtime/errors.h"
#include "runtime/int16.h"
#include "runtime/random.h"

namespace velvora {

// Thrown to stop the running handler at once when the program ends; it never leaves the core
// (the entries catch it).
struct EndProgram {};

enum class EndReason { Running, End, LastWindowClosed, RuntimeError, Terminated };
const char* EndReasonName(EndReason reason);

// The run-time error box for an untrapped error: "Run-time error '13':", a blank line, the
// error's text; the program's title as caption; an OK button and the stop icon.
ErrorBox RunTimeErrorBox(const RuntimeError& error);

class Program {
 public:
  static constexpr const char* kTitle = "Velvora";  // the program's title

  Program(Platform platform, std::string commandLine);
  ~Program();

  System& sys() const { return platform_.system; }
  Toolkit& toolkit() const { return platform_.toolkit; }
  SettingsStore& store() const { return platform_.store; }
  const CodePage& codePage() const { return platform_.codePage; }
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

  // ---- entries ----
  // Runs one handler: an untrapped run-time error shows the error box and ends the program
  // (anything else that escapes counts as out of memory (7) or an internal error (51)); End
  // stops it. Nothing runs once the program has ended.
  void Dispatch(const std::function<void()>& handler);
  // User input on a form (control null) or one of its controls.
  void Raise(Form& form, Control* control, const InputEvent& event);
  // A timer fell due. Skipped while a modal box is open: the handler that opened it has not
  // finished, and handlers run one at a time.
  void TimerTick(Timer& timer);
  // The desktop's monitors changed (Toolkit::Monitors tells how): every loaded form hears of it.
  void MonitorsChanged();
  // A termination signal: the program ends at once with the run guards put back, also while a
  // modal box (the run-time error box included) is open; the box closes.
  void Terminate();

  // ---- for handlers ----
  // Handles the events already queued; if the program ended meanwhile, the calling handler
  // stops there.
  void DoEvents();
  // The modal message box (an empty title shows the program's title) and colour dialog. Timer
  // ticks that fall due meanwhile are skipped; if the program ended while the box was open, the
  // calling handler stops when it returns.
  int MsgBox(const std::string& prompt, int style, const std::string& title);
  bool ChooseColor(Colour& colour);

  bool Ended() const { return reason_ != EndReason::Running; }
  EndReason Reason() const { return reason_; }
  // Restores what the run changed on the platform, whichever way the program ends.
  void SetEndHook(std::function<void()> hook) { endHook_ = std::move(hook); }
  // The transitions playing, on the toolkit's frame clock.
  FrameClock& Frames() { return frames_; }

 private:
  void Load(std::unique_ptr<Form> form);
  void MarkEnded(EndReason reason);
  void Run(const std::function<void()>& handler) noexcept;
  void Fail(const RuntimeError& error) noexcept;
  // Stops the running handler when the program has ended under it.
  void UnwindIfEnded() const;
  template <class Box>
  auto Modal(const Box& box);

  Platform platform_;
  std::string commandLine_;
  Random random_;
  FrameClock frames_{*this};  // before the forms, whose picture controls leave it as they go
  std::map<std::string, std::unique_ptr<Form>, std::less<>> forms_;
  std::vector<std::unique_ptr<Form>> dropped_;  // freed when the outermost handler returns
  std::function<void()> endHook_;
  EndReason reason_ = EndReason::Running;
  int depth_ = 0;        // handlers running, the outermost first
  int modalDepth_ = 0;   // modal boxes open
  bool started_ = false;
};

}  // namespace velvora
