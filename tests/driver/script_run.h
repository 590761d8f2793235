#pragma once
// Runs a driver script in-process and collects what it printed.
#include <sstream>
#include <string>
#include <vector>

#include "app/driver_script.h"

namespace velvora::test {

struct ScriptRun {
  int code = 0;
  std::vector<std::string> lines;  // standard output, one read a line
  std::string err;

  explicit ScriptRun(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out, errors;
    code = driver::RunScript(in, out, errors);
    std::istringstream printed(out.str());
    for (std::string line; std::getline(printed, line);) lines.push_back(line);
    err = errors.str();
  }
  // The one printed line that starts with `prefix`; empty when there is none or several.
  std::string Line(const std::string& prefix) const {
    std::string found;
    for (const std::string& line : lines) {
      if (line.rfind(prefix, 0) != 0) continue;
      if (!found.empty()) return "";
      found = line;
    }
    return found;
  }
};

}  // namespace velvora::test
