#pragma once
// The slideshow window: full screen or inside the host's preview window. It shows the pictures
// of the setup dialog's list one after another, counts down to the next change in its text
// line, and ends on input outside preview mode.
#include <cstdint>
#include <memory>
#include <optional>

#include "forms/controls.h"
#include "guards/mdl_main.h"
#include "saver/saver_mirror.h"
#include "saver/slideshow_form.h"

namespace velvora {

class frmSetup;

// Its pictures, text line and their placement are a SlideshowForm's; outside preview mode
// the other monitors show the same show (SaverMirrors).
class frmSaver : public SlideshowForm {
 public:
  static constexpr std::string_view kName = "frmSaver";
  explicit frmSaver(Program& program);

  // Rotation and countdown (rotation.cpp).
  void ResetTimer();
  void ChangePic();

  Timer& Timer2;     // countdown tick
  Timer& Timer1;     // start delay

  // Window variables.
  float LastX = 0;
  // Wide enough for the y of any screen in twips, so a tall screen records its true position.
  std::int32_t LastY = 0;
  std::int16_t StartTicks = 0;
  std::int16_t EffectNo = 0;
  std::optional<std::int16_t> EffectParam;  // unset until the first change completes
  std::int32_t PicIndex = 0;
  std::int16_t Hrs = 0, Mins = 0, Secs = 0;
  // Seconds to the next change; wide enough for the longest interval the dialog can hold.
  std::int32_t TotalSecs = 0;

  void Form_Load() override;
  void Form_Resize() override;
  void Form_QueryUnload(int& cancel, int unloadMode) override;
  void Form_Click() override;
  void Form_KeyDown(int key, int shift) override;
  void Form_KeyPress(int ch) override;
  void Form_MouseMove(int button, int shift, float x, float y) override;
  void Form_MonitorsChanged() override;
  void DescribeVariables(PropertySink& sink) const override;

  // The views of the show on the other monitors (none in preview mode).
  const SaverMirrors& Mirrors() const { return mirrors_; }

 private:
  void Timer1_Timer();
  void Timer2_Timer();
  void Image1_MouseMove(int button, int shift, float x, float y);
  void Image2_MouseMove(int button, int shift, float x, float y);

  // Input that ends the saver, ignored while previewing.
  void CloseOnInput();
  void MouseMoved(float x, float y);

  frmSetup& Setup();
  // The interval parts from the dialog's text and the unit; unknown units keep them.
  void ReadIntervalParts();
  std::int32_t SumOfParts() const;
  std::string CountdownParts() const;
  bool LoadNextPicture();
  void AnnounceNextPicture();
  void SetUpEffect();
  Colour DrawColour();

  std::shared_ptr<mdlMain::RunGuards> guards_;  // null in preview mode
  SaverMirrors mirrors_{*this};
};

}  // namespace velvora
