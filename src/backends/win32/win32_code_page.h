#pragma once
// The system's ANSI code page, in which Windows programs have always written their text files.
#include "platform/code_page.h"

namespace velvora::win32 {

class AnsiCodePage final : public CodePage {
 public:
  std::string ToUtf8(std::string_view text) const override;
  std::optional<std::string> FromUtf8(std::string_view utf8) const override;
};

}  // namespace velvora::win32
