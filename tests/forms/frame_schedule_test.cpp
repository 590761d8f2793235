// When a frame clock delivers frames: one in every display period, without drift, however the
// platform's timer rounds or lags.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>

#include "platform/frame_schedule.h"

namespace velvora {
namespace {

constexpr std::int64_t kMs = 1'000'000;
const std::int64_t kPeriod = FrameSchedule::PeriodNs(60);  // 16.67 ms

// A timer of whole milliseconds that fires `lateNs` after it is due, as the desktop's does.
std::int64_t Fire(std::int64_t now, std::int64_t delayNs, std::int64_t lateNs) {
  return now + (delayNs + kMs - 1) / kMs * kMs + lateNs;
}

TEST(FrameSchedule, PeriodsFollowTheDisplaysRate) {
  EXPECT_EQ(FrameSchedule::PeriodNs(60), 16'666'667);
  EXPECT_EQ(FrameSchedule::PeriodNs(144), 6'944'444);
  EXPECT_EQ(FrameSchedule::PeriodNs(0), kPeriod) << "a display that does not tell counts as 60 Hz";
  EXPECT_EQ(FrameSchedule::PeriodNs(-5), kPeriod);
}

TEST(FrameSchedule, EveryPeriodGetsOneFrameOverAMinute) {
  FrameSchedule schedule;
  const std::int64_t origin = 123 * kMs + 456;
  schedule.Start(origin, kPeriod);
  std::map<std::int64_t, int> framesInPeriod;
  std::int64_t now = origin;
  for (int frame = 1; frame <= 3600; ++frame) {
    now = Fire(now, schedule.Next(now), (frame * 7919 % 600) * 1000);  // up to 0.6 ms late
    ++framesInPeriod[(now - origin) / kPeriod];
  }
  EXPECT_EQ(framesInPeriod.size(), 3600u);
  EXPECT_EQ(framesInPeriod.begin()->first, 1);
  EXPECT_EQ(framesInPeriod.rbegin()->first, 3600) << "the frames drifted against the display";
}

TEST(FrameSchedule, ALateFrameIsFollowedByTheOneDueNow) {
  FrameSchedule schedule;
  schedule.Start(0, kPeriod);
  EXPECT_EQ(schedule.Next(0), kPeriod);
  // Frame 1 comes three and a half periods late: frames 2 to 4 are skipped, 5 is next.
  const std::int64_t late = kPeriod * 9 / 2;
  EXPECT_EQ(schedule.Next(late), 5 * kPeriod - late);
  EXPECT_EQ(schedule.Next(5 * kPeriod), kPeriod);
}

TEST(FrameSchedule, AFrameThatComesEarlyIsNotFollowedInTheSamePeriod) {
  FrameSchedule schedule;
  schedule.Start(0, kPeriod);
  schedule.Next(0);
  const std::int64_t early = kPeriod - kMs / 4;  // frame 1, a quarter millisecond before it is due
  EXPECT_EQ(schedule.Next(early), 2 * kPeriod - early);
  // Restarting counts the periods from the new start.
  schedule.Start(1000 * kMs, kPeriod);
  EXPECT_EQ(schedule.Next(1000 * kMs + kMs), kPeriod - kMs);
}

}  // namespace
}  // namespace velvora
