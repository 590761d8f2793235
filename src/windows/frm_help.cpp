#include "windows/frm_help.h"

#include "forms/program.h"

namespace velvora {
namespace {

constexpr Colour kSilver = Rgb(192, 192, 192);
constexpr Colour kDarkBlue = Rgb(0, 0, 192);
constexpr Colour kPurple = Rgb(128, 0, 128);

// Every text lies on the panel and wraps within its width.
ControlDesign Text(std::string_view name, int tabIndex, float left, float top, float width,
                   float height, std::string_view caption, Font font, Colour fore, Colour back) {
  return {.name = name, .container = "SSPanel1", .left = left, .top = top, .width = width,
          .height = height, .caption = caption, .font = font, .fore = fore, .back = back,
          .tabIndex = tabIndex};
}

const Font kHeading{.name = "Verdana", .size = 9.75f, .bold = true, .underline = true};
const Font kStep{.name = "Verdana", .size = 9, .bold = true};
const Font kNote{.name = "Verdana", .size = 9.75f, .bold = true};

Label& Wrapping(Label& label) {
  label.wordWrap = true;
  return label;
}

}  // namespace

frmHelp::frmHelp(Program& program)
    : Form(program, {.name = kName,
                     .caption = "Velvora - Help",
                     .border = BorderStyle::Sizable,
                     .clientWidth = 7335,
                     .clientHeight = 6255,
                     .back = kSilver,
                     .icon = "help"}),
      SSPanel1(Add<SSPanel>({.name = "SSPanel1", .width = 7335, .height = 6255,
                             .caption = "The Velvora - Tutorial",
                             .font = {.name = "Verdana", .size = 14.25f, .bold = true, .underline = true},
                             .fore = kButtonText, .back = kButtonFace, .tabIndex = 0})),
      Label1(Wrapping(Add<Label>(Text("Label1", 1, 360, 720, 4815, 255, "Adding Picture to The Velvora",
                                      kHeading, kButtonText, kButtonFace)))),
      Label2(Wrapping(Add<Label>(Text("Label2", 2, 360, 1200, 4815, 255,
                                      "Select a Picture from the list box. ", kStep, kDarkBlue, kSilver)))),
      Label3(Wrapping(Add<Label>(Text("Label3", 3, 360, 1560, 5535, 615,
                                      "Click on the: 'Add Picture' to add to the Available Pictures list.",
                                      kStep, kDarkBlue, kSilver)))),
      Label4(Wrapping(Add<Label>(Text("Label4", 4, 360, 2280, 5415, 255,
                                      "Removing Picture from The Velvora", kHeading, kButtonText,
                                      kButtonFace)))),
      Label5(Wrapping(Add<Label>(Text("Label5", 5, 360, 2760, 6015, 255,
                                      "Select a Picture from the 'Available Pictures List' box. ", kStep,
                                      kDarkBlue, kSilver)))),
      Label6(Wrapping(Add<Label>(Text("Label6", 6, 360, 3120, 5535, 255,
                                      "Click on the: 'Remove Picture' to Remove the Picture.", kStep,
                                      kDarkBlue, kSilver)))),
      Line1(Add<Line>({.name = "Line1", .container = "SSPanel1", .fore = kWindowText})),
      Label7(Wrapping(Add<Label>(Text("Label7", 7, 360, 3960, 5775, 255,
                                      "You may set the interval setup. Setup is in Minutes.", kNote,
                                      kPurple, kButtonFace)))),
      Label8(Wrapping(Add<Label>(Text("Label8", 8, 360, 4440, 5775, 615,
                                      "Click on: 'Centered' or 'Full Window' for picture's screen location.",
                                      kNote, kPurple, kButtonFace)))),
      Label9(Wrapping(Add<Label>(Text("Label9", 9, 360, 5160, 5775, 615,
                                      "Click on: 'Preview' for immediate viewing of your picture.", kNote,
                                      kPurple, kButtonFace)))),
      cmdExit(Add<SSCommand>({.name = "cmdExit", .container = "SSPanel1", .left = 5280, .top = 5520,
                              .width = 1755, .height = 585, .caption = "Done",
                              .font = {.name = "Dauphin", .size = 18, .bold = true},
                              .fore = kDarkBlue, .back = kSilver, .tabIndex = 10})) {
  SSPanel1.captionAtTop = true;
  Line1.x1 = 240;
  Line1.y1 = 3600;
  Line1.x2 = 7080;
  Line1.y2 = 3600;
  Line1.borderWidth = 2;
  cmdExit.pictureAsset = "done";
  cmdExit.OnClick = [this] { cmdExit_Click(); };
}

// Unloading drops the instance; the next Help builds the window afresh.
void frmHelp::cmdExit_Click() { program().Unload(*this); }

}  // namespace velvora
