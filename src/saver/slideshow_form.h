#pragma once
// What the slideshow shows, as the slideshow window's design holds it: the backdrop, the
// countdown line, the slideshow picture and the centred design picture, and the rules that place
// them on a window of a given size. The slideshow window and its views on the other monitors are
// both such forms, so every monitor is laid out by the same rules.
#include <string_view>

#include "forms/form.h"
#include "forms/fx_controls.h"

namespace velvora {

class SlideshowForm : public Form {
 public:
  FXImage& Image2;   // the backdrop, container of the three below
  FXLabel& Label1;   // the countdown line
  FXImage& Image1;   // the slideshow picture
  FXImage& Image11;  // the centred design picture

  // Placement at load: margin 10, the picture stays hidden (placement.cpp).
  void ChangePicSize();
  // Before each change: no margin, the picture shown.
  void PlaceForChange();

 protected:
  // The design of a borderless, maximised window that is not shown in the taskbar.
  static FormDesign WindowDesign(std::string_view name, float clientWidth, float clientHeight);
  SlideshowForm(Program& program, const FormDesign& design);

  // The resize handler's arrangement. `left` and `top` stand for the window's own place: the
  // backdrop goes there, and `left` enters the picture's horizontal place.
  void Arrange(float left, float top);

 private:
  // The placement rule for Image1 with a margin, then its visibility.
  void PlaceImage1(float margin, bool visible);
  void CenterImage11();
};

}  // namespace velvora
