// The frame clock: frames on the primary display's refresh periods (FrameSchedule) while the core
// asks for them, on a waitable timer whose thread posts each frame to the message window, and the
// performance counter's time.
#include "backends/win32/win32_frame_clock.h"

#include <algorithm>

#include "backends/win32/win32_modules.h"
#include "backends/win32/win32_platform.h"

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace velvora::win32 {
namespace {

using TimePeriod = UINT(WINAPI*)(UINT);

double RefreshRate() {
  DEVMODEW mode{};
  mode.dmSize = sizeof mode;
  if (!EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode)) return 0;
  return mode.dmDisplayFrequency > 1 ? mode.dmDisplayFrequency : 0;  // 0 and 1 mean "the hardware's default"
}

}  // namespace

// ---- the timer thread ----

FrameTimer::FrameTimer() {
  // Windows 10 1803 on; elsewhere a plain waitable timer, precise once the period is 1 ms.
  timer_ = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
  if (!timer_) {
    timer_ = CreateWaitableTimerW(nullptr, FALSE, nullptr);
    winmm_ = LoadSystemComponent(L"winmm.dll");
    if (const auto begin = Function<TimePeriod>(winmm_, "timeBeginPeriod")) periodRaised_ = begin(1) == 0;
  }
  stop_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
}

FrameTimer::~FrameTimer() {
  if (thread_) {
    SetEvent(stop_);
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
  }
  if (periodRaised_) {
    if (const auto end = Function<TimePeriod>(winmm_, "timeEndPeriod")) end(1);
  }
  if (winmm_) FreeLibrary(winmm_);
  if (stop_) CloseHandle(stop_);
  if (timer_) CloseHandle(timer_);
}

void FrameTimer::Attach(HWND window, UINT message) {
  window_ = window;
  message_ = message;
  if (!thread_ && timer_ && stop_) thread_ = CreateThread(nullptr, 0, &FrameTimer::Wait, this, 0, nullptr);
}

void FrameTimer::Arm(std::int64_t delayNs, WPARAM generation) {
  generation_ = generation;
  LARGE_INTEGER due{};
  due.QuadPart = -std::max<std::int64_t>(1, (delayNs + 99) / 100);  // relative, in 100 ns units, never early
  SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE);
}

void FrameTimer::Cancel() { CancelWaitableTimer(timer_); }

DWORD WINAPI FrameTimer::Wait(void* self) {
  auto& timer = *static_cast<FrameTimer*>(self);
  const HANDLE handles[] = {timer.stop_, timer.timer_};
  while (WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
    PostMessageW(timer.window_, timer.message_, timer.generation_.load(), 0);
  }
  return 0;
}

// ---- the platform's frame clock ----

std::int64_t Win32Platform::ClockNs() const {
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  const std::int64_t ticks = now.QuadPart - start_.QuadPart, rate = frequency_.QuadPart;
  // In two parts, so that a long run does not overflow.
  return ticks / rate * 1'000'000'000 + ticks % rate * 1'000'000'000 / rate;
}

std::int64_t Win32Platform::ClockMs() { return ClockNs() / 1'000'000; }

void Win32Platform::StartFrames(std::function<void(std::int64_t)> onFrame) {
  const bool running = static_cast<bool>(onFrame_);
  onFrame_ = std::move(onFrame);
  if (running) return;
  frameSchedule_.Start(ClockNs(), FrameSchedule::PeriodNs(RefreshRate()));
  frameArmed_ = true;
  frameTimer_.Arm(frameSchedule_.Next(ClockNs()), ++frameGeneration_);
}

void Win32Platform::StopFrames() {
  onFrame_ = nullptr;
  frameArmed_ = false;
  ++frameGeneration_;  // a frame already posted is ignored
  frameTimer_.Cancel();
}

void Win32Platform::Frame(WPARAM generation) {
  if (generation != frameGeneration_ || !onFrame_) return;
  frameArmed_ = false;
  const auto deliver = onFrame_;  // the frame may stop the clock, or stop and start it
  deliver(ClockMs());
  if (onFrame_ && !frameArmed_) {
    frameArmed_ = true;
    frameTimer_.Arm(frameSchedule_.Next(ClockNs()), frameGeneration_);
  }
}

}  // namespace velvora::win32
