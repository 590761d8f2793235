#include "forms/fx_controls.h"

namespace velvora {

void SSCommand::SetAppearance(int value) {
  appearance_ = value;
  Changed(Prop::Appearance);
}

void SSCommand::Input(const InputEvent& e) {
  if (e.kind == InputKind::HighlightOn) {
    if (OnHighlightOn) OnHighlightOn();
  } else if (e.kind == InputKind::HighlightOff) {
    if (OnHighlightOff) OnHighlightOff();
  } else {
    Control::Input(e);
  }
}

void SSCommand::Describe(PropertySink& s) const {
  Control::Describe(s);
  s.Integer("Property(60)", appearance_);
  s.Text("PictureAsset", pictureAsset);
}

}  // namespace velvora
