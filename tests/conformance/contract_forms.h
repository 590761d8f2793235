#pragma once
// The windows the contracts are checked on: a sizable centred window with controls stacked
// inside a picture control and elsewhere, a list and a timer; and a borderless window.
#include <string>
#include <vector>

#include "forms/controls.h"
#include "forms/fx_controls.h"
#include "forms/list_controls.h"
#include "forms/program.h"

namespace velvora::conformance {

class frmContract : public Form {
 public:
  static constexpr std::string_view kName = "frmContract";
  static constexpr float kClientWidth = 4500;  // 300 x 225 pixels at 15 twips a pixel
  static constexpr float kClientHeight = 3375;

  explicit frmContract(Program& p)
      : Form(p, {.name = kName, .caption = "Contract", .border = BorderStyle::Sizable,
                 .clientWidth = kClientWidth, .clientHeight = kClientHeight,
                 .start = StartPosition::CenterScreen}),
        cmdA(Add<CommandButton>({.name = "cmdA", .left = 120, .top = 120, .width = 1200, .height = 375,
                                 .caption = "A", .tabIndex = 0})),
        picBack(Add<FXImage>({.name = "picBack", .left = 120, .top = 600, .width = 2400, .height = 1800})),
        lblTop(Add<FXLabel>({.name = "lblTop", .container = "picBack", .width = 2400, .height = 300,
                             .caption = "top"})),
        picMiddle(Add<FXImage>({.name = "picMiddle", .container = "picBack", .width = 1800, .height = 1200})),
        picBottom(Add<FXImage>({.name = "picBottom", .container = "picBack", .width = 2400, .height = 1800})),
        fraBox(Add<Frame>({.name = "fraBox", .left = 2640, .top = 120, .width = 1740, .height = 1200,
                           .caption = "Box"})),
        optIn(Add<OptionButton>({.name = "optIn", .container = "fraBox", .left = 120, .top = 240,
                                 .width = 1200, .height = 255, .caption = "In"})),
        lstItems(Add<ListBox>({.name = "lstItems", .left = 2640, .top = 1440, .width = 1740,
                               .height = 1200, .tabIndex = 1})),
        txtLast(Add<TextBox>({.name = "txtLast", .left = 120, .top = 2520, .width = 2400, .height = 285,
                              .tabIndex = 2})),
        Timer1(Add<Timer>({.name = "Timer1"})),
        dlgColour(Add<CommonDialog>({.name = "dlgColour"})) {
    Timer1.SetEnabled(false);
    Timer1.SetInterval(20);
    Timer1.OnTimer = [this] { ++ticks; };
  }

  void Form_Resize() override { resizeWidths.push_back(Width()); }
  void Form_QueryUnload(int& cancel, int mode) override {
    unloadModes.push_back(mode);
    cancel = refuseClose ? 1 : 0;
  }

  int Resizes() const { return static_cast<int>(resizeWidths.size()); }

  CommandButton& cmdA;
  FXImage& picBack;
  FXLabel& lblTop;
  FXImage &picMiddle, &picBottom;
  Frame& fraBox;
  OptionButton& optIn;
  ListBox& lstItems;
  TextBox& txtLast;
  Timer& Timer1;
  CommonDialog& dlgColour;

  std::vector<float> resizeWidths;  // the form's width as each Resize event saw it
  std::vector<int> unloadModes;
  bool refuseClose = false;
  int ticks = 0;
};

class frmBorderless : public Form {
 public:
  static constexpr std::string_view kName = "frmBorderless";
  explicit frmBorderless(Program& p)
      : Form(p, {.name = kName, .border = BorderStyle::None, .clientWidth = 3000, .clientHeight = 1500,
                 .showInTaskbar = false}) {}
  void Form_Resize() override {
    ++resizes;
    resizeWidths.push_back(Width());
  }
  void Form_QueryUnload(int& /*cancel*/, int mode) override { unloadModes.push_back(mode); }
  int resizes = 0;
  std::vector<float> resizeWidths;  // the form's width as each Resize event saw it
  std::vector<int> unloadModes;
};

// One picture control alone, so what is painted for it is its frame and nothing else.
class frmTransition : public Form {
 public:
  static constexpr std::string_view kName = "frmTransition";
  explicit frmTransition(Program& p)
      : Form(p, {.name = kName, .border = BorderStyle::FixedDialog, .clientWidth = 3000, .clientHeight = 2400,
                 .back = Rgb(0, 0, 128)}),
        imgShow(Add<FXImage>({.name = "imgShow", .left = 300, .top = 300, .width = 2400, .height = 1800})) {}
  FXImage& imgShow;  // 160 x 120 pixels
};

}  // namespace velvora::conformance
