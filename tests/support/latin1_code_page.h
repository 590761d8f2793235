#pragma once
// ISO 8859-1 as a system code page: each byte is the character of the same number, and nothing
// beyond U+00FF fits. Stands in for the ANSI code page of Windows in portable tests.
#include <optional>
#include <string>
#include <string_view>

#include "platform/code_page.h"

namespace velvora::test {

class Latin1CodePage final : public CodePage {
 public:
  std::string ToUtf8(std::string_view text) const override {
    std::string utf8;
    for (unsigned char c : text) {
      if (c < 0x80) {
        utf8 += static_cast<char>(c);
      } else {
        utf8 += static_cast<char>(0xC0 | (c >> 6));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
      }
    }
    return utf8;
  }
  std::optional<std::string> FromUtf8(std::string_view utf8) const override {
    std::string text;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
      const auto c = static_cast<unsigned char>(utf8[i]);
      if (c < 0x80) {
        text += static_cast<char>(c);
      } else if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size()) {
        text += static_cast<char>(((c & 0x03) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F));
      } else {
        return std::nullopt;
      }
    }
    return text;
  }
};

}  // namespace velvora::test
