#include "setup/frm_setup.h"

namespace velvora {

frmSetup::frmSetup(Program& program)
    : Form(program, {.name = kName,
                     .caption = "",
                     .border = BorderStyle::FixedToolWindow,
                     .clientWidth = 8580,
                     .clientHeight = 6360,
                     .back = Rgb(0, 0, 0),
                     .icon = "setup",
                     .showInTaskbar = false,
                     .start = StartPosition::CenterScreen,
                     .minButton = false,
                     .maxButton = false}) {}

}  // namespace velvora
