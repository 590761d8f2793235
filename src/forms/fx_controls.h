#pragma once
// The picture control with transition effects, the styled label, the 3-D panel and 3-D button.
#include <cstdint>
#include <map>
#include <string>
#include <variant>

#include "forms/control.h"
#include "platform/picture.h"

namespace velvora {

// A property value of the picture control given by dispatch number: unset, whole or single.
using FxValue = std::variant<std::monostate, std::int32_t, float>;

namespace fx {
inline constexpr int kStretch = 5;       // 2: fit the picture inside the control
inline constexpr int kEffectParam = 31;  // second effect value, 0..15 or unset
inline constexpr int kEffect = 52;       // effect number 1..112
inline constexpr int kColourA = 73;
inline constexpr int kColourB = 74;
inline constexpr int kSpeed = 77;        // 1..9
inline constexpr int kStep = 81;
}  // namespace fx

class FXImage : public Control {
 public:
  FXImage(Form& form, const ControlDesign& d) : Control(form, ControlKind::FXImage, d) {}

  // The design picture (an asset name) shows until code assigns a picture.
  std::string designAsset;
  bool PictureAssigned() const { return pictureAssigned_; }
  const PicturePtr& Picture() const { return picture_; }
  void SetPicture(PicturePtr picture);  // null clears the control

  void SetProperty(int dispId, FxValue value);
  FxValue Property(int dispId) const;
  // A property read back as a 32-bit integer (0 when unset).
  std::int32_t PropertyLong(int dispId) const;

  void Describe(PropertySink& sink) const override;

 private:
  PicturePtr picture_;
  bool pictureAssigned_ = false;
  std::map<int, FxValue> properties_;
};

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
