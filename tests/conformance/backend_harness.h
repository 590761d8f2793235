#pragma once
// What the contract tests need of a backend, written once per backend: make its platform, run
// its event loop, let time pass, answer its modal boxes and read back what it realised. The
// contracts are written only against this interface, so a new backend adds one harness file.
//
// A read the backend cannot answer (it realises no such thing) comes back empty, and the
// contract that needs it skips with the harness's reason.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "forms/program.h"
#include "platform/platform.h"

namespace velvora::conformance {

// A window as the backend realised it: its client area in pixels on the screen.
struct RealisedWindow {
  int left = 0, top = 0, width = 0, height = 0;
  bool shown = false;
  bool topmost = false;
};

// What the backend painted for a control: premultiplied 0xAARRGGBB, rows from the top.
struct Painted {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
};

// A list widget as the backend realised it.
class ListProbe {
 public:
  virtual ~ListProbe() = default;
  virtual int Count() const = 0;
  virtual std::string Entry(int row) const = 0;
  virtual int CurrentRow() const = 0;
  // How often the widget's entries were rebuilt since the probe was made.
  virtual int Rebuilds() const = 0;
};

class BackendHarness {
 public:
  virtual ~BackendHarness() = default;

  virtual Platform platform() = 0;
  // Twips in one pixel on this backend's screen.
  virtual float TwipsPerPixel() const = 0;

  // ---- the event loop and time ----
  // One turn of the event loop: what is queued now is handled; no time passes on purpose.
  virtual void Turn() = 0;
  // Lets `ms` of time pass with the event loop running (virtual time, or a real wait).
  virtual void Pass(int ms) = 0;
  // Runs the event loop until `done` holds or `boundMs` pass; returns whether it held.
  virtual bool Until(const std::function<bool()>& done, int boundMs = 3000) = 0;

  // ---- modal boxes ----
  // The next modal box (message box, error box or colour dialog) is answered: `whileOpen` runs
  // while it is open, then, unless the box has closed meanwhile, the button of `answer` is
  // pressed (a colour dialog is accepted with OK and cancelled with any other answer). Without
  // an answer nothing is pressed: the box must close by itself, and one still open after a
  // few seconds is closed by force and counted.
  virtual void AnswerNextBox(std::optional<int> answer, std::function<void()> whileOpen = {}) = 0;
  // Whether a modal box of the backend is open now.
  virtual bool BoxOpen() = 0;
  virtual int BoxesClosedByForce() const = 0;

  // ---- outside the program ----
  // The user presses the close box of a window.
  virtual void PressCloseBox(Form& form) = 0;
  // A window of another program that ours can be embedded in, with a client area in pixels;
  // empty where the backend has no such windows.
  virtual std::optional<Hwnd> MakeHostWindow(int width, int height) = 0;
  virtual void DestroyHostWindow(Hwnd host) = 0;

  // ---- what the backend realised ----
  // The window of that number; empty when the backend has no such window (any more).
  virtual std::optional<RealisedWindow> Realised(Hwnd window) = 0;
  // The names of the controls held directly by `container` (null: the form itself), from the
  // bottom of the stack to the top; empty when the backend realises no controls.
  virtual std::optional<std::vector<std::string>> Stacking(const Form& form,
                                                           const Control* container) = 0;
  // The pixels the backend paints for a control now; empty when it draws nothing.
  virtual std::optional<Painted> Paint(const Form& form, const Control& control) = 0;
  // A probe of a list control's widget; null when the backend realises no lists.
  virtual std::unique_ptr<ListProbe> ProbeList(const Form& form, const Control& list) = 0;

  // Why the last read came back empty: the contract that needed it skips with this reason.
  std::string why;
};

// One backend under test: the contracts run once per instance.
struct Backend {
  std::string name;
  std::function<std::unique_ptr<BackendHarness>()> make;
};
inline void PrintTo(const Backend& backend, std::ostream* out) { *out << backend.name; }

// Every contract test: a harness and a program on its platform, with an empty command line.
class BackendContract : public testing::TestWithParam<Backend> {
 protected:
  BackendContract() : harness_(GetParam().make()), program_(harness_->platform(), "") {}
  BackendHarness& harness() { return *harness_; }
  Program& program() { return program_; }
  System& sys() { return program_.sys(); }

 private:
  std::unique_ptr<BackendHarness> harness_;  // outlives the program's windows
  Program program_;
};

}  // namespace velvora::conformance

// Runs every contract on one backend; each harness file names its backend once with this.
#define VELVORA_CONFORMANCE_BACKEND(Name, makeHarness)                                              \
  INSTANTIATE_TEST_SUITE_P(Name, BackendContract,                                                   \
                           testing::Values(::velvora::conformance::Backend{#Name, makeHarness}),    \
                           [](const auto& backend) { return backend.param.name; })

// Skips the running contract when a harness read came back empty, naming the reason.
#define SKIP_UNLESS(read)                                                   \
  if (!(read)) GTEST_SKIP() << harness().why
