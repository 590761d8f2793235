#pragma once
// Runs a driver script: one command a line, '#' comments, blank lines ignored.
#include <istream>
#include <ostream>

namespace velvora::driver {

// Reads print one JSON object a line to `out`. Returns 0 when every line ran, else 1 after
// reporting the first line that could not run on `err` as "line N: message".
int RunScript(std::istream& script, std::ostream& out, std::ostream& err);

}  // namespace velvora::driver
