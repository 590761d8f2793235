#include "runtime/errors.h"

namespace velvora {

const char* StandardErrorText(ErrorNumber number) {
  switch (number) {
    case ErrorNumber::InvalidProcedureCall: return "Invalid procedure call or argument";
    case ErrorNumber::Overflow: return "Overflow";
    case ErrorNumber::OutOfMemory: return "Out of memory";
    case ErrorNumber::TypeMismatch: return "Type mismatch";
    case ErrorNumber::InternalError: return "Internal error";
    case ErrorNumber::BadFileNameOrNumber: return "Bad file name or number";
    case ErrorNumber::FileNotFound: return "File not found";
    case ErrorNumber::PathFileAccessError: return "Path/File access error";
    case ErrorNumber::PathNotFound: return "Path not found";
    case ErrorNumber::InvalidPropertyValue: return "Invalid property value";
    case ErrorNumber::InvalidPicture: return "Invalid picture";
  }
  return "";
}

RuntimeError::RuntimeError(ErrorNumber number)
    : std::runtime_error(StandardErrorText(number)), number_(number) {}

void Raise(ErrorNumber number) { throw RuntimeError(number); }

}  // namespace velvora
