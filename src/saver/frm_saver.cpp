#include "saver/frm_saver.h"

namespace velvora {

frmSaver::frmSaver(Program& program)
    : Form(program, {.name = kName,
                     .caption = "Quorrin Velvora",
                     .border = BorderStyle::None,
                     .back = kButtonFace,
                     .icon = "saver",
                     .showInTaskbar = false,
                     .state = WindowState::Maximized}) {}

}  // namespace velvora
