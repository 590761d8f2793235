#include "backends/win32/win32_code_page.h"

#include <windows.h>

#include "backends/win32/win32_text.h"

namespace velvora::win32 {

std::string AnsiCodePage::ToUtf8(std::string_view text) const {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0)), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
  return Utf8(wide);
}

// No best-fit: a character the code page lacks must not turn into a look-alike (a path with
// "ő" read back with "o" names another file).
std::optional<std::string> AnsiCodePage::FromUtf8(std::string_view utf8) const {
  if (utf8.empty()) return std::string();
  const int size = static_cast<int>(utf8.size());
  const int wideSize = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
  if (wideSize == 0) return std::nullopt;
  if (GetACP() == CP_UTF8) return std::string(utf8);
  std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), wideSize);
  BOOL lost = FALSE;
  const int narrowSize =
      WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wideSize, nullptr, 0, nullptr, &lost);
  if (narrowSize == 0 || lost) return std::nullopt;
  std::string narrow(static_cast<std::size_t>(narrowSize), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wideSize, narrow.data(), narrowSize, nullptr, &lost);
  return narrow;
}

}  // namespace velvora::win32
