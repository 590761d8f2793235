// Where the pictures and the text line sit on the window: the placement rule for Image1 (at
// load and before each change), the centring of Image11, and the resize handler's arrangement,
// for the slideshow window and its views on the other monitors alike. All in
// single-precision twips; every intermediate is stored as a float, so it is rounded to single
// precision even where the processor computes wider.
#include <cmath>

#include "forms/program.h"
#include "runtime/errors.h"
#include "saver/frm_saver.h"
#include "saver/slideshow_form.h"
#include "setup/frm_setup.h"

namespace velvora {
namespace {

constexpr float kLoadMargin = 10;
constexpr float kRotationMargin = 0;
constexpr std::int32_t kFitPicture = 2;

// The left (or top) that centres a size on a side; a control larger than the side sits at 0.
float CentredOn(float size, float side) { return size > side ? 0 : side / 2 - size / 2; }

// The share of the window side the control took; a window without that side cannot give one.
float SideRatio(float taken, float side) {
  if (side == 0) Raise(ErrorNumber::Overflow);
  const float ratio = taken / side;
  return ratio;
}

}  // namespace

void SlideshowForm::ChangePicSize() { PlaceImage1(kLoadMargin, false); }
void SlideshowForm::PlaceForChange() { PlaceImage1(kRotationMargin, true); }

// The larger side of Image1 (the width when equal) takes the window's side less the margin;
// the other follows by the ratio the control really took, rounded down, less the margin again.
void SlideshowForm::PlaceImage1(float margin, bool visible) {
  frmSetup& setup = program().Use<frmSetup>();
  const float w = Width();
  const float h = Height();
  if (setup.OptionFullWin.Value()) {
    Image1.SetProperty(fx::kStretch, kFitPicture);
    Image1.SetTop(margin);
    Image1.SetLeft(margin);
    if (Image1.Width() < Image1.Height()) {
      Image1.SetHeight(h - margin);
      const float product = w * SideRatio(Image1.Height(), h);
      Image1.SetWidth(std::floor(product) - margin);
    } else {
      Image1.SetWidth(w - margin);
      const float product = h * SideRatio(Image1.Width(), w);
      Image1.SetHeight(std::floor(product) - margin);
    }
  } else if (setup.OptionRandom.Value()) {
    Image1.SetProperty(fx::kStretch, kFitPicture);
    Image1.SetLeft(CentredOn(Image1.Width(), w));
    Image1.SetTop(CentredOn(Image1.Height(), h));
  } else {
    return;
  }
  Image1.SetVisible(visible);
}

void SlideshowForm::CenterImage11() {
  Image11.SetLeft(CentredOn(Image11.Width(), Width()));
  Image11.SetTop(CentredOn(Image11.Height(), Height()));
  Image11.SetVisible(true);
}

void frmSaver::Form_Resize() { Arrange(Left(), Top()); }

// The backdrop covers the window; Image1 is centred without clamping, the window's Left
// entering its horizontal place and the window's Top not its vertical one.
void SlideshowForm::Arrange(float left, float top) {
  const float w = Width();
  const float h = Height();
  Image2.SetLeft(left);
  Image2.SetTop(top);
  Image2.SetWidth(w);
  Image2.SetHeight(h);
  Image1.SetTop(h - h / 2 - Image1.Height() / 2);
  Image1.SetLeft(w / 2 + left - Image1.Width() / 2);
  Label1.SetWidth(w);
  CenterImage11();
  Label1.Refresh();
  Refresh();
  Image1.Refresh();
}

}  // namespace velvora
