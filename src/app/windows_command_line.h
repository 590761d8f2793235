#pragma once
// The text a Windows host passed after the program's name: Windows hands a program its whole
// command line, and the core reads what follows the name exactly as given (not trimmed).
#include <string_view>

namespace velvora::app {

// The command line without the program's name (quoted or not, as Windows splits it) and the one
// blank or tab that separates them; every further character is kept.
std::wstring_view CommandTail(std::wstring_view commandLine);

}  // namespace velvora::app
