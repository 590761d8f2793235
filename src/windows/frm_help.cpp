#include "windows/frm_help.h"

namespace velvora {

frmHelp::frmHelp(Program& program)
    : Form(program, {.name = kName,
                     .caption = "Velvora - Help",
                     .border = BorderStyle::Sizable,
                     .clientWidth = 7335,
                     .clientHeight = 6255,
                     .back = Rgb(192, 192, 192),
                     .icon = "help"}) {}

}  // namespace velvora
