#include "forms/fx_controls.h"

namespace velvora {

void FXImage::SetPicture(PicturePtr picture) {
  picture_ = std::move(picture);
  pictureAssigned_ = true;
  Changed(Prop::Picture);
}

void FXImage::SetProperty(int dispId, FxValue value) {
  properties_[dispId] = value;
  Changed(Prop::Appearance);
}

FxValue FXImage::Property(int dispId) const {
  auto it = properties_.find(dispId);
  return it == properties_.end() ? FxValue{} : it->second;
}

std::int32_t FXImage::PropertyLong(int dispId) const {
  FxValue v = Property(dispId);
  if (auto* i = std::get_if<std::int32_t>(&v)) return *i;
  if (auto* f = std::get_if<float>(&v)) return static_cast<std::int32_t>(*f);
  return 0;
}

void FXImage::Describe(PropertySink& s) const {
  Control::Describe(s);
  s.Boolean("PictureAssigned", pictureAssigned_);
  s.Integer("PictureWidth", picture_ ? picture_->width : 0);
  s.Integer("PictureHeight", picture_ ? picture_->height : 0);
  s.Text("DesignAsset", designAsset);
  for (const auto& [id, value] : properties_) {
    std::string name = "Property(" + std::to_string(id) + ")";
    if (auto* i = std::get_if<std::int32_t>(&value)) {
      s.Integer(name, *i);
    } else if (auto* f = std::get_if<float>(&value)) {
      s.Number(name, *f);
    } else {
      s.Empty(name);
    }
  }
}

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
