#include "forms/frame_clock.h"

#include <algorithm>

#include "forms/fx_image.h"
#include "forms/program.h"

namespace velvora {

FrameClock::~FrameClock() {
  if (Running()) program_.toolkit().StopFrames();
}

std::int64_t FrameClock::Now() const { return program_.toolkit().ClockMs(); }

void FrameClock::Add(FXImage& image) {
  if (std::find(playing_.begin(), playing_.end(), &image) != playing_.end()) return;
  playing_.push_back(&image);
  if (playing_.size() == 1) program_.toolkit().StartFrames([this](std::int64_t now) { Frame(now); });
}

void FrameClock::Remove(FXImage& image) {
  const auto it = std::find(playing_.begin(), playing_.end(), &image);
  if (it == playing_.end()) return;
  playing_.erase(it);
  if (playing_.empty()) program_.toolkit().StopFrames();
}

void FrameClock::Frame(std::int64_t now) {
  if (program_.Ended()) {
    playing_.clear();
    program_.toolkit().StopFrames();
    return;
  }
  program_.Dispatch([&] {
    // A transition that ends leaves the list while it is walked.
    walking_.assign(playing_.begin(), playing_.end());
    for (FXImage* image : walking_) {
      if (std::find(playing_.begin(), playing_.end(), image) != playing_.end()) image->AdvanceTransition(now);
    }
  });
}

}  // namespace velvora
