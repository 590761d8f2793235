#include "windows/frm_options.h"

#include "forms/program.h"
#include "runtime/errors.h"
#include "settings/preferences.h"

namespace velvora {
namespace {

// A delay the slideshow and this dialog can read back: one or two digits, 1 to 99.
bool IsStorableDelay(const std::string& text) {
  if (text.empty() || text.size() > 2) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return std::stoi(text) >= 1;
}

}  // namespace

frmOptions::frmOptions(Program& program)
    : Form(program, {.name = kName,
                     .caption = "Screen Saver Options",
                     .border = BorderStyle::FixedDialog,
                     .clientWidth = 4455,
                     .clientHeight = 2835,
                     .back = kButtonFace,
                     .icon = "options",
                     .showInTaskbar = false,
                     .start = StartPosition::CenterOwner,
                     .minButton = false,
                     .maxButton = false}),
      Label1(Add<Label>({.name = "Label1", .left = 1080, .top = 720, .width = 1335, .height = 375,
                         .caption = "Time Delay (s):", .tabIndex = 1})),
      txtDelay(Add<TextBox>({.name = "txtDelay", .left = 2640, .top = 720, .width = 615, .height = 375,
                             .caption = "1", .tabIndex = 2})),
      vsDelay(Add<VScrollBar>({.name = "vsDelay", .left = 3360, .top = 720, .width = 255, .height = 375,
                               .tabIndex = 5})),
      Label2(Add<Label>({.name = "Label2", .left = 1080, .top = 1200, .width = 1455, .height = 375,
                         .caption = "Background Color:", .tabIndex = 3})),
      lblBackColor(Add<Label>({.name = "lblBackColor", .left = 2640, .top = 1200, .width = 615,
                               .height = 375, .tabIndex = 4})),
      cmdOK(Add<CommandButton>({.name = "cmdOK", .left = 1560, .top = 2040, .width = 1215, .height = 495,
                                .caption = "OK", .tabIndex = 0})),
      cmdColor(Add<CommonDialog>({.name = "cmdColor"})),
      acceptedDelay_(txtDelay.Text()) {
  txtDelay.maxLength = 2;
  // The top end is 99, so the up arrow raises the delay.
  vsDelay.SetRange(99, 1);
  vsDelay.SetValue(99);
  lblBackColor.border = true;

  vsDelay.OnChange = [this] { vsDelay_Change(); };
  txtDelay.OnChange = [this] { txtDelay_Change(); };
  lblBackColor.OnClick = [this] { lblBackColor_Click(); };
  cmdOK.OnClick = [this] { cmdOK_Click(); };
}

// A stored text that is no number, or a delay outside 1..99, fails here and ends the program
// with the error box; nothing is trapped.
void frmOptions::Form_Load() {
  SetCaption(std::string("Options for ") + Program::kTitle);
  const std::int32_t delay = ReadDelay(program().store());
  vsDelay.SetValue(delay);
  txtDelay.SetText(std::to_string(delay));
  lblBackColor.SetBackColor(ReadBackColor(program().store(), BackColor()));
}

void frmOptions::vsDelay_Change() { txtDelay.SetText(std::to_string(vsDelay.Value())); }

// Only a delay that reads back safely stays in the box, so OK can never store one that makes
// the next start fail; anything else (a letter, an empty box, 0) puts the last good one back.
void frmOptions::txtDelay_Change() {
  if (!IsStorableDelay(txtDelay.Text())) {
    txtDelay.SetText(acceptedDelay_);
    return;
  }
  acceptedDelay_ = txtDelay.Text();
  vsDelay.SetValue(std::stoi(acceptedDelay_));
}

void frmOptions::lblBackColor_Click() {
  try {
    cmdColor.SetColor(lblBackColor.BackColor());
    cmdColor.ShowColor();
    lblBackColor.SetBackColor(cmdColor.Color());
  } catch (const RuntimeError&) {
    // The swatch keeps the colour it had.
  }
}

void frmOptions::cmdOK_Click() {
  WriteDelay(program().store(), txtDelay.Text());
  WriteBackColor(program().store(), lblBackColor.BackColor());
  program().End();
}

}  // namespace velvora
