#pragma once
// ShowCursor's display count, for platforms that keep it themselves (the real Windows call keeps
// its own). Every such platform shows and hides the pointer by the same rule: hidden while the
// count is below zero.
#include <cstdint>

namespace velvora {

class CursorDisplayCount {
 public:
  // One ShowCursor call: a non-zero `show` raises the count, zero lowers it. Returns the new count.
  std::int32_t Change(std::int32_t show) {
    count_ += show ? 1 : -1;
    return count_;
  }
  std::int32_t Count() const { return count_; }
  bool PointerHidden() const { return count_ < 0; }

 private:
  std::int32_t count_ = 0;
};

}  // namespace velvora
