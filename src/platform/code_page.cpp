#include "platform/code_page.h"

namespace velvora {
namespace {

class Utf8 final : public CodePage {
 public:
  std::string ToUtf8(std::string_view text) const override { return std::string(text); }
  std::optional<std::string> FromUtf8(std::string_view utf8) const override { return std::string(utf8); }
};

}  // namespace

const CodePage& Utf8CodePage() {
  static const Utf8 codePage;
  return codePage;
}

}  // namespace velvora
