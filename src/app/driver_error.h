#pragma once
// A script line the driver cannot carry out; the driver reports it with the line number.
#include <stdexcept>
#include <string>

namespace velvora::driver {

class ScriptError : public std::runtime_error {
 public:
  explicit ScriptError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace velvora::driver
