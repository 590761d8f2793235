// The picture control's properties and content: the picture it holds, composed at its size.
#include <string>

#include "forms/form.h"
#include "forms/fx_image.h"
#include "forms/program.h"

namespace velvora {

void FXImage::SetPicture(PicturePtr picture) {
  if (!changePending_) {
    // A hidden control draws nothing, so the change then starts from nothing.
    start_.Resize(pixelWidth_, pixelHeight_);
    startOpaque_ = Visible() && FrameOpaque();
    if (Visible()) {
      const effects::ConstImage shown = CurrentFrame();
      std::copy(shown.pixels, shown.pixels + start_.pixels.size(), start_.pixels.begin());
    } else {
      effects::Fill(start_.View(), 0);
    }
    changePending_ = true;
  }
  StopTransition();  // the newer picture takes the place of the one still coming in
  picture_ = std::move(picture);
  pictureAssigned_ = true;
  ContentChanged();
  ForEachFollower([this](FXImage& follower) { follower.SetPicture(picture_); });
}

void FXImage::SetProperty(int dispId, FxValue value) {
  const bool fitted = PropertyLong(fx::kStretch) == fx::kFit;
  properties_[dispId] = value;
  if (fitted != (PropertyLong(fx::kStretch) == fx::kFit)) ContentChanged();
  ForEachFollower([&](FXImage& follower) { follower.SetProperty(dispId, value); });
}

void FXImage::Follow(Control& leader) {
  Control::Follow(leader);
  const auto& image = static_cast<const FXImage&>(leader);
  properties_ = image.properties_;
  picture_ = image.picture_;
  pictureAssigned_ = image.pictureAssigned_;
  changePending_ = false;
  start_ = {};
  StopTransition();
  ContentChanged();
  JoinTransition(image);
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

void FXImage::BackgroundChanged() { ContentChanged(); }

void FXImage::ContentChanged() {
  contentValid_ = false;
  frameValid_ = false;
  Changed(Prop::Frame);
}

const Picture* FXImage::DesignPicture() const {
  if (const auto* leader = static_cast<const FXImage*>(Leader())) return leader->DesignPicture();
  if (!designLoaded_) {
    designLoaded_ = true;
    if (!designAsset.empty()) design_ = Owner().program().toolkit().LoadAsset(designAsset);
  }
  return design_.get();
}

std::uint32_t FXImage::Argb(std::int32_t word) const {
  if (!IsSystemColour(word)) return effects::ArgbFromColourWord(word);
  return 0xFF000000u | Owner().program().toolkit().SystemColourArgb(word & 0xFF);
}

// Until code assigns a picture the design picture shows, with nothing around it. Once the
// control holds a picture it paints its whole rectangle: the window's background around the
// picture and under its transparent parts. The empty picture shows nothing.
const effects::Canvas& FXImage::Content() const {
  if (contentValid_) return content_;
  contentValid_ = true;
  content_.Resize(pixelWidth_, pixelHeight_);
  const velvora::Picture* source = pictureAssigned_ ? picture_.get() : DesignPicture();
  if (!source) {
    effects::Fill(content_.View(), 0);
    return content_;
  }
  const std::uint32_t background = pictureAssigned_ ? Argb(Owner().BackColor()) : 0;
  effects::ComposePicture({source->width, source->height, source->pixels.data(), source->width},
                          PropertyLong(fx::kStretch) == fx::kFit, background, content_.View());
  return content_;
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
  s.Integer("FrameWidth", pixelWidth_);
  s.Integer("FrameHeight", pixelHeight_);
  s.Boolean("TransitionPlaying", TransitionPlaying());
  s.Number("TransitionProgress", progress_);
  if (s.Wants("FrameChecksum")) s.Integer("FrameChecksum", effects::Checksum(CurrentFrame()));
}

}  // namespace velvora
