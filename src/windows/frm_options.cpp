#include "windows/frm_options.h"

namespace velvora {

frmOptions::frmOptions(Program& program)
    : Form(program, {.name = kName,
                     .caption = "Screen Saver Options",
                     .border = BorderStyle::FixedDialog,
                     .clientWidth = 4455,
                     .clientHeight = 2835,
                     .back = kButtonFace,
                     .icon = "options",
                     .showInTaskbar = false,
                     .start = StartPosition::CenterOwner,
                     .minButton = false,
                     .maxButton = false}) {}

}  // namespace velvora
