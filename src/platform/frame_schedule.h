#pragma once
// When a platform's frame clock delivers its frames: on whole display periods counted from the
// clock's start, so the rate stays the display's however a timer rounds its delays; never two
// frames in one period; and after a late frame comes the one due now, not the ones missed.
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace velvora {

class FrameSchedule {
 public:
  // The display's frame period; 60 Hz when it does not tell its rate.
  static std::int64_t PeriodNs(double refreshHz) {
    const double rate = refreshHz > 1 ? refreshHz : 60.0;
    return std::max<std::int64_t>(1, std::llround(1e9 / rate));
  }

  // The clock starts at `nowNs`, which counts as frame 0 (the change itself shows then).
  void Start(std::int64_t nowNs, std::int64_t periodNs) {
    originNs_ = nowNs;
    periodNs_ = std::max<std::int64_t>(1, periodNs);
    frame_ = 0;
  }

  // After a frame delivered at `nowNs` (or after the start): nanoseconds to the next one.
  std::int64_t Next(std::int64_t nowNs) {
    const std::int64_t current = nowNs > originNs_ ? (nowNs - originNs_) / periodNs_ : 0;
    frame_ = std::max(frame_ + 1, current + 1);
    return originNs_ + frame_ * periodNs_ - nowNs;
  }

 private:
  std::int64_t originNs_ = 0;
  std::int64_t periodNs_ = 1;
  std::int64_t frame_ = 0;
};

}  // namespace velvora
