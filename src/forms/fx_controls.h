#pragma once
// The outside controls: the picture control with transition effects (fx_image.h), the styled
// label, the 3-D panel and 3-D button.
#include <functional>
#include <string>

#include "forms/control.h"
#include "forms/fx_image.h"

namespace velvora {

// A styled text label. Its own default colour is white: a light face that its backend outlines
// in the contrasting shade, so the text reads on any picture under it.
class FXLabel : public Control {
 public:
  FXLabel(Form& form, const ControlDesign& d) : Control(form, ControlKind::FXLabel, WithLightFace(d)) {}

 private:
  static ControlDesign WithLightFace(ControlDesign design) {
    if (design.fore == kDefaultColour) design.fore = Rgb(255, 255, 255);
    return design;
  }
};

class SSPanel : public Control {
 public:
  SSPanel(Form& form, const ControlDesign& d) : Control(form, ControlKind::SSPanel, d) {}
  int bevelWidth = 2;
  bool captionAtTop = false;  // caption centred at the top edge instead of the middle
};

class SSCommand : public Control {
 public:
  SSCommand(Form& form, const ControlDesign& d) : Control(form, ControlKind::SSCommand, d) {}
  std::string pictureAsset;  // bitmap shown on the button
  // Property 60: an appearance value of the button (3 while highlighted, 0 otherwise).
  int Appearance() const { return appearance_; }
  void SetAppearance(int value);

  std::function<void()> OnHighlightOn;
  std::function<void()> OnHighlightOff;
  void Input(const InputEvent& event) override;
  void Describe(PropertySink& sink) const override;

 private:
  int appearance_ = 0;
};

}  // namespace velvora
