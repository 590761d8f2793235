#pragma once
// The core's UTF-8 text and Windows' UTF-16.
#include <string>
#include <string_view>

namespace velvora::win32 {

// Invalid UTF-8 becomes U+FFFD.
std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

}  // namespace velvora::win32
