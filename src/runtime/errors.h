#pragma once
// Run-time errors: a number and its standard text. A handler that traps none lets the error
// reach the dispatcher, which shows the run-time error box and ends the program.
#include <stdexcept>
#include <string>

namespace velvora {

enum class ErrorNumber : int {
  InvalidProcedureCall = 5,
  Overflow = 6,
  OutOfMemory = 7,
  TypeMismatch = 13,
  InternalError = 51,
  BadFileNameOrNumber = 52,
  FileNotFound = 53,
  PathFileAccessError = 75,
  PathNotFound = 76,
  InvalidPropertyValue = 380,
  InvalidPicture = 481,
};

// The standard text for an error number ("" for numbers we never raise).
const char* StandardErrorText(ErrorNumber number);

class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(ErrorNumber number);
  ErrorNumber Number() const { return number_; }
  int Code() const { return static_cast<int>(number_); }
  std::string Description() const { return what(); }

 private:
  ErrorNumber number_;
};

[[noreturn]] void Raise(ErrorNumber number);

}  // namespace velvora
