// The slideshow's design: the window and the controls it holds.
#include "saver/slideshow_form.h"

namespace velvora {

FormDesign SlideshowForm::WindowDesign(std::string_view name, float clientWidth, float clientHeight) {
  return {.name = name,
          .caption = "Quorrin Velvora",
          .border = BorderStyle::None,
          .clientWidth = clientWidth,
          .clientHeight = clientHeight,
          .back = kButtonFace,
          .icon = "saver",
          .showInTaskbar = false,
          .state = WindowState::Maximized};
}

SlideshowForm::SlideshowForm(Program& program, const FormDesign& design)
    : Form(program, design),
      Image2(Add<FXImage>({.name = "Image2", .left = 240, .top = 120, .width = 12240, .height = 9240})),
      Label1(Add<FXLabel>({.name = "Label1",
                           .container = "Image2",
                           .width = 8895,
                           .height = 1335,
                           .caption = "Welcome to The Velvora!",
                           .font = {.name = "Arial", .size = 20.25f, .bold = true}})),
      Image1(Add<FXImage>({.name = "Image1", .container = "Image2", .left = 960, .top = 960,
                           .width = 9270, .height = 6270, .visible = false})),
      Image11(Add<FXImage>({.name = "Image11", .container = "Image2", .left = 960, .top = 2280,
                            .width = 9270, .height = 6270, .visible = false})) {
  Image2.designAsset = "backdrop";
  Image1.designAsset = "design";
  Image11.designAsset = "design";
}

}  // namespace velvora
