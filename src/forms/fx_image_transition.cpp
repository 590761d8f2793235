// The picture control's transition: from what the control showed when a picture was assigned
// to the picture composed at the control's size, advanced by the toolkit's frame clock.
#include <algorithm>

#include "forms/form.h"
#include "forms/frame_clock.h"
#include "forms/fx_image.h"
#include "forms/program.h"

namespace velvora {
namespace {

// Larger than any display; a control's frame never takes more memory than a side this long.
constexpr int kLargestSide = 16384;

// The canvas scaled to a new size (the control was resized while a change was on its way). A
// control without pixels keeps the canvas for the size it gets next.
void ScaleTo(effects::Canvas& canvas, int width, int height) {
  if ((canvas.width == width && canvas.height == height) || width <= 0 || height <= 0) return;
  effects::Canvas scaled;
  scaled.Resize(width, height);
  effects::Fill(scaled.View(), 0);
  effects::DrawScaled(canvas.ConstView(), effects::Alpha::Premultiplied, scaled.View(), {0, 0, width, height});
  canvas = std::move(scaled);
}

}  // namespace

FXImage::~FXImage() {
  if (clock_) clock_->Remove(*this);
}

effects::TransitionParams FXImage::TransitionSettings() const {
  effects::TransitionParams p;
  p.effect = PropertyLong(fx::kEffect);
  p.param = PropertyLong(fx::kEffectParam);
  const FxValue speed = Property(fx::kSpeed);
  if (const float* f = std::get_if<float>(&speed)) p.speed = *f;
  if (const std::int32_t* i = std::get_if<std::int32_t>(&speed)) p.speed = static_cast<float>(*i);
  p.colourA = Argb(PropertyLong(fx::kColourA));
  p.colourB = Argb(PropertyLong(fx::kColourB));
  return p;
}

void FXImage::Refresh() {
  if (changePending_ && !Leader()) StartTransition(Owner().program().Frames().Now());
  Control::Refresh();
}

void FXImage::StartTransition(std::int64_t startMs) {
  changePending_ = false;
  from_ = std::move(start_);
  fromOpaque_ = startOpaque_;
  start_ = {};
  ScaleTo(from_, pixelWidth_, pixelHeight_);
  params_ = TransitionSettings();
  durationMs_ = std::max(1, effects::TransitionDurationMs(params_.speed));
  clock_ = &Owner().program().Frames();
  startMs_ = startMs;
  progress_ = 0;
  frameValid_ = false;
  clock_->Add(*this);
  Changed(Prop::Frame);
  // A follower that took the picture starts from what it showed then, at its own size.
  ForEachFollower([startMs](FXImage& follower) {
    if (follower.changePending_) follower.StartTransition(startMs);
  });
}

void FXImage::JoinTransition(const FXImage& leader) {
  if (!leader.clock_) return;
  from_ = leader.from_;
  fromOpaque_ = leader.fromOpaque_;
  ScaleTo(from_, pixelWidth_, pixelHeight_);
  params_ = leader.params_;
  durationMs_ = leader.durationMs_;
  startMs_ = leader.startMs_;
  progress_ = leader.progress_;
  frameValid_ = false;
  clock_ = leader.clock_;
  clock_->Add(*this);
  Changed(Prop::Frame);
}

void FXImage::StopTransition() {
  if (!clock_) return;
  clock_->Remove(*this);
  clock_ = nullptr;
  progress_ = 1;
  from_ = {};
}

void FXImage::AdvanceTransition(std::int64_t nowMs) {
  if (!clock_) return;
  const auto elapsed = static_cast<float>(std::max<std::int64_t>(0, nowMs - startMs_));
  progress_ = std::min(1.0f, elapsed / static_cast<float>(durationMs_));
  frameValid_ = false;
  if (progress_ >= 1.0f) StopTransition();
  Changed(Prop::Frame);
}

// The control keeps its transition going at a new size: the start is scaled to it and the new
// picture composed for it.
void FXImage::PlatformPixelSize(int width, int height) {
  width = std::clamp(width, 0, kLargestSide);
  height = std::clamp(height, 0, kLargestSide);
  if (width == pixelWidth_ && height == pixelHeight_) return;
  pixelWidth_ = width;
  pixelHeight_ = height;
  if (clock_) ScaleTo(from_, width, height);
  ContentChanged();
}

// Composing fills the whole control with the window's opaque colour under an assigned picture,
// and every effect blends opaque pictures (and its opaque colours) into opaque frames.
bool FXImage::FrameOpaque() const {
  const bool contentOpaque = pictureAssigned_ && picture_ && pixelWidth_ > 0 && pixelHeight_ > 0;
  return contentOpaque && (!clock_ || fromOpaque_);
}

effects::ConstImage FXImage::CurrentFrame() const {
  const effects::Canvas& content = Content();
  if (!clock_) return content.ConstView();
  if (!frameValid_) {
    frame_.Resize(pixelWidth_, pixelHeight_);
    effects::RenderTransition(from_.ConstView(), content.ConstView(), progress_, params_, frame_.View(), scratch_);
    frameValid_ = true;
  }
  return frame_.ConstView();
}

}  // namespace velvora
