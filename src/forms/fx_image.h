#pragma once
// The picture control: its picture (or its design picture until code assigns one) composed at
// the control's size in pixels, and the transition from what it showed to a newly assigned
// picture, played on the toolkit's frame clock. The backend only copies the current frame.
#include <cstdint>
#include <map>
#include <string>
#include <variant>

#include "effects/compose.h"
#include "effects/transition.h"
#include "forms/control.h"
#include "platform/picture.h"

namespace velvora {

class FrameClock;

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
inline constexpr std::int32_t kFit = 2;  // the value of kStretch that fits
}  // namespace fx

class FXImage : public Control {
 public:
  FXImage(Form& form, const ControlDesign& d) : Control(form, ControlKind::FXImage, d) {}
  ~FXImage() override;

  // The design picture (an asset name) shows until code assigns a picture.
  std::string designAsset;
  bool PictureAssigned() const { return pictureAssigned_; }
  const PicturePtr& Picture() const { return picture_; }
  // Null is the empty picture: the control then shows nothing. What the control showed until
  // now becomes the start of the transition that the next repaint plays.
  void SetPicture(PicturePtr picture);

  void SetProperty(int dispId, FxValue value);
  FxValue Property(int dispId) const;
  // A property read back as a 32-bit integer (0 when unset).
  std::int32_t PropertyLong(int dispId) const;

  // Repaints; the first repaint after a new picture starts the transition to it (a follower's
  // transitions start with its leader's).
  void Refresh() override;
  // Shows what another picture control shows, at this control's own size: its picture (the same
  // decoded picture, never decoded again), its design picture, its effect settings and the
  // transition it plays, from the same start on the frame clock, so both show the same progress
  // on every frame. A transition under way is joined where it is.
  void Follow(Control& leader) override;
  void PlatformPixelSize(int width, int height) override;
  // The window's background colour changed: it fills the control around its picture.
  void BackgroundChanged();

  int PixelWidth() const { return pixelWidth_; }
  int PixelHeight() const { return pixelHeight_; }
  // What the control shows now at its pixel size, premultiplied 0xAARRGGBB: the transition's
  // frame at its progress while one plays, else the composed content. Frames are drawn when
  // read, so a platform that never shows them never pays for them. Valid until the control
  // changes.
  effects::ConstImage CurrentFrame() const;
  // Every pixel of the current frame is opaque: a picture was assigned (the window's colour
  // fills around it) and, while a transition plays, what it started from was opaque too. A view
  // then need not draw what lies beneath the control.
  bool FrameOpaque() const;
  bool TransitionPlaying() const { return clock_ != nullptr; }
  // From 0 at the start of a transition to 1 at its end; 1 while none plays.
  float TransitionProgress() const { return progress_; }
  // The transition's settings as the effect properties give them now.
  effects::TransitionParams TransitionSettings() const;
  // The frame clock's tick: the progress at `nowMs`; the transition ends at 1.
  void AdvanceTransition(std::int64_t nowMs);

  void Describe(PropertySink& sink) const override;

 private:
  // The control's content without any transition, composed when first needed after a change.
  const effects::Canvas& Content() const;
  const velvora::Picture* DesignPicture() const;
  // A colour word as opaque ARGB, system colours as this desktop shows them.
  std::uint32_t Argb(std::int32_t colourWord) const;
  // What the control shows changed: forget what was composed and tell the view.
  void ContentChanged();
  void StartTransition(std::int64_t startMs);
  void StopTransition();
  // Joins the transition `leader` plays, from where it is.
  void JoinTransition(const FXImage& leader);
  template <class Each>
  void ForEachFollower(Each each) {
    for (Control* follower : Followers()) each(static_cast<FXImage&>(*follower));
  }

  PicturePtr picture_;
  bool pictureAssigned_ = false;
  std::map<int, FxValue> properties_;
  int pixelWidth_ = 0;
  int pixelHeight_ = 0;

  mutable PicturePtr design_;
  mutable bool designLoaded_ = false;
  mutable effects::Canvas content_;
  mutable bool contentValid_ = false;

  // A picture assigned since the last repaint, and what the control showed before it.
  bool changePending_ = false;
  effects::Canvas start_;
  bool startOpaque_ = false;

  // The transition playing: from `from_` to the content, with these settings.
  FrameClock* clock_ = nullptr;
  effects::Canvas from_;
  bool fromOpaque_ = false;
  effects::TransitionParams params_;
  std::int64_t startMs_ = 0;
  int durationMs_ = 1;
  float progress_ = 1;
  mutable effects::Canvas frame_;
  mutable bool frameValid_ = false;
  mutable effects::TransitionScratch scratch_;
};

}  // namespace velvora
