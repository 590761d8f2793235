// The contracts on the simulated platform: virtual time, scripted boxes, host windows from the
// script. The sim draws nothing, so it realises no controls: the contracts about realised
// controls skip here by name.
#include <deque>

#include "backend_harness.h"
#include "backends/sim/sim_platform.h"
#include "support/temp_folder.h"

namespace velvora::conformance {
namespace {

constexpr int kStepMs = 10;

class SimHarness final : public BackendHarness {
 public:
  SimHarness() : sim_(folder_.Path()) { sim_.whileBoxOpen = [this] { OnBoxOpen(); }; }

  Platform platform() override { return sim_.platform(); }
  float TwipsPerPixel() const override { return SimPlatform::kTwipsPerPixel; }

  void Turn() override { sim_.RunPending(); }
  void Pass(int ms) override { sim_.Advance(ms); }
  bool Until(const std::function<bool()>& done, int boundMs) override {
    sim_.RunPending();
    for (int waited = 0; !done(); waited += kStepMs) {
      if (waited >= boundMs) return false;
      sim_.Advance(kStepMs);
    }
    return true;
  }

  void AnswerNextBox(std::optional<int> answer, std::function<void()> whileOpen) override {
    answers_.push_back({answer, std::move(whileOpen)});
  }
  // A simulated box is open exactly while the script runs inside it; it closes when the call
  // that opened it returns, which it always does.
  bool BoxOpen() override { return boxOpen_; }
  int BoxesClosedByForce() const override { return 0; }

  void PressCloseBox(Form& form) override {
    form.program().Raise(form, nullptr, {.kind = InputKind::CloseBox});
  }
  std::optional<Hwnd> MakeHostWindow(int width, int height) override {
    const Hwnd host = nextHost_;
    nextHost_ += 0x10;
    sim_.hostWindows[host] = {width, height};
    return host;
  }
  void DestroyHostWindow(Hwnd host) override { sim_.DestroyHost(host); }

  std::optional<RealisedWindow> Realised(Hwnd handle) override {
    const SimPlatform::Window* window = sim_.FindWindow(handle);
    if (!window) return std::nullopt;
    const Form& form = *window->form;
    const auto pixels = [](float twips) { return static_cast<int>(twips / SimPlatform::kTwipsPerPixel + 0.5f); };
    return RealisedWindow{.left = pixels(form.Left()), .top = pixels(form.Top()), .width = pixels(form.Width()),
                          .height = pixels(form.Height()), .shown = window->shown, .topmost = window->topmost};
  }
  std::optional<std::vector<std::string>> Stacking(const Form&, const Control*) override {
    why = kNoControls;
    return std::nullopt;
  }
  std::optional<Painted> Paint(const Form&, const Control&) override {
    why = kNoControls;
    return std::nullopt;
  }
  std::unique_ptr<ListProbe> ProbeList(const Form&, const Control&) override {
    why = kNoControls;
    return nullptr;
  }

 private:
  static constexpr const char* kNoControls =
      "the simulated platform realises no controls: it draws nothing, and the driver reads the model";

  struct Answer {
    std::optional<int> button;
    std::function<void()> whileOpen;
  };

  // The sim calls this inside every box, before it reads its scripted answer.
  void OnBoxOpen() {
    // The colour dialog and the error box log themselves before they open; a message box after.
    const bool colourDialog = sim_.ColourDialogs().size() > coloursSeen_;
    const bool errorBox = sim_.ErrorBoxes().size() > errorsSeen_;
    coloursSeen_ = sim_.ColourDialogs().size();
    errorsSeen_ = sim_.ErrorBoxes().size();
    if (answers_.empty()) return;
    Answer answer = std::move(answers_.front());
    answers_.pop_front();
    boxOpen_ = true;
    if (answer.whileOpen) answer.whileOpen();
    boxOpen_ = false;
    if (!answer.button || errorBox) return;
    if (colourDialog) {
      sim_.colourAnswers.push_back(*answer.button == mb::kAnswerOk ? std::optional<Colour>(sim_.ColourDialogs().back())
                                                                   : std::nullopt);
    } else {
      sim_.messageBoxAnswers.push_back(*answer.button);
    }
  }

  test::TempFolder folder_;
  SimPlatform sim_;
  std::deque<Answer> answers_;
  std::size_t coloursSeen_ = 0;
  std::size_t errorsSeen_ = 0;
  bool boxOpen_ = false;
  Hwnd nextHost_ = 0x70010;
};

}  // namespace

VELVORA_CONFORMANCE_BACKEND(Sim, [] { return std::unique_ptr<BackendHarness>(new SimHarness); });

}  // namespace velvora::conformance
