#pragma once
// The system's 8-bit text, as text files of the platform hold it: the ANSI code page on
// Windows, UTF-8 itself on Linux and the simulated platform. The core holds UTF-8.
#include <optional>
#include <string>
#include <string_view>

namespace velvora {

class CodePage {
 public:
  virtual ~CodePage() = default;
  virtual std::string ToUtf8(std::string_view text) const = 0;
  // The text in the code page; nullopt when a character has no place in it.
  virtual std::optional<std::string> FromUtf8(std::string_view utf8) const = 0;
};

// Where the system's 8-bit text is UTF-8: both directions leave the text as it is.
const CodePage& Utf8CodePage();

}  // namespace velvora
