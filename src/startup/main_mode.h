#pragma once
// The program's only entry: reads the command line once and starts the mode it names.
#include <cstdint>
#include <string_view>

#include "forms/program.h"

namespace velvora {

// Picks the mode from the command line and starts it: password change ("/a" on the 9x family),
// preview ("/p" and the host window's number), configuration ("/c", or an empty line; "/c:"
// and a window number make that window the dialog's owner), the
// options dialog ("/o"), full screen ("/s"). Any other line starts nothing. Traps no error: a bad
// window number is a run-time error.
void Main(Program& program);

// The number formed by the decimal digits at the end of the text (blanks around it removed).
// No digit at the end raises a type mismatch (13); a number beyond 32 bits an overflow (6).
std::int32_t ParseWindowHandle(std::string_view text);

}  // namespace velvora
