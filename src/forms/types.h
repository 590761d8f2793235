#pragma once
// Values shared by the forms model: colours, fonts, property and event identifiers.
#include <cstdint>
#include <string>

namespace velvora {

// A colour word: 0x00BBGGRR, or with the top bit set a system colour by index.
using Colour = std::int32_t;
inline constexpr Colour Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }
inline constexpr Colour SystemColour(int index) {
  return static_cast<Colour>(0x80000000u | static_cast<std::uint32_t>(index));
}
inline constexpr Colour kButtonFace = SystemColour(15);
inline constexpr Colour kButtonText = SystemColour(18);
inline constexpr Colour kWindowText = SystemColour(8);
inline constexpr Colour kTooltipBack = SystemColour(24);
inline constexpr Colour kWindowBack = SystemColour(5);
inline constexpr bool IsSystemColour(Colour c) { return c < 0; }

struct Font {
  std::string name = "MS Sans Serif";  // the platform's default dialog font
  float size = 8.25f;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

// What changed on a form or control; a backend mirrors exactly that.
enum class Prop {
  Caption, Text, Visible, Enabled, Geometry, Font, ForeColor, BackColor, Items, ListIndex, Value,
  Path, Picture, Appearance, WindowState, ZOrder, Repaint, Range,
  Frame,  // a picture control shows a new frame: the view draws it
  Owner,  // a form's owner window changed: the view makes that window its owner
};

enum class ControlKind {
  Label, TextBox, ListBox, FileList, DirList, DriveList, OptionButton, CheckBox, CommandButton,
  Frame, Line, VScrollBar, Timer, CommonDialog, FXImage, FXLabel, SSPanel, SSCommand,
};
const char* KindName(ControlKind kind);

// Input a backend (or the driver) reports on a form or one of its controls.
enum class InputKind {
  Click, DblClick, KeyDown, KeyPress, MouseMove, HighlightOn, HighlightOff,
  Select,     // a list entry chosen by the user (list, file, folder or drive list)
  TypeText,   // the user's edit of a text box, the whole new text
  Scroll,     // a scroll bar moved to a value
  CloseBox,   // the window's close box
  HostGone,   // the window this one is embedded in (a preview's host) went away
  Resize,     // the window got a new size (raised by the core from the reported geometry)
};

struct InputEvent {
  InputKind kind = InputKind::Click;
  int button = 0;
  int shift = 0;
  float x = 0;
  float y = 0;
  int key = 0;     // key code (KeyDown) or character code (KeyPress)
  int index = -1;  // Select
  int value = 0;   // Scroll
  std::string text;  // TypeText
};

}  // namespace velvora
