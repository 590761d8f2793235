#include "app/windows_command_line.h"

namespace velvora::app {

std::wstring_view CommandTail(std::wstring_view line) {
  std::size_t i = 0;
  if (!line.empty() && line.front() == L'"') {
    // A quoted name runs to the next quote; the name may go on after it until a blank.
    const std::size_t close = line.find(L'"', 1);
    i = close == std::wstring_view::npos ? line.size() : close + 1;
  }
  while (i < line.size() && line[i] != L' ' && line[i] != L'\t') ++i;
  if (i < line.size()) ++i;  // the separator
  return line.substr(i);
}

}  // namespace velvora::app
