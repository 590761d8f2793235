#pragma once
// The frame clock's timer: a thread that only waits for a waitable timer (a high-resolution one
// where the system has it, else the timer resolution raised to 1 ms) and posts a message to a
// window of the user-interface thread when it falls due. Everything else happens on that thread,
// which arms the timer again for the next frame.
#include <windows.h>

#include <atomic>
#include <cstdint>

namespace velvora::win32 {

class FrameTimer {
 public:
  FrameTimer();
  ~FrameTimer();
  FrameTimer(const FrameTimer&) = delete;
  FrameTimer& operator=(const FrameTimer&) = delete;

  // From now on the timer posts `message` to `window`, with the generation of the arming.
  void Attach(HWND window, UINT message);
  // Falls due once, `delayNs` from now.
  void Arm(std::int64_t delayNs, WPARAM generation);
  void Cancel();

 private:
  static DWORD WINAPI Wait(void* self);

  HANDLE timer_ = nullptr;
  HANDLE stop_ = nullptr;
  HANDLE thread_ = nullptr;
  HMODULE winmm_ = nullptr;
  bool periodRaised_ = false;
  HWND window_ = nullptr;
  UINT message_ = 0;
  std::atomic<WPARAM> generation_{0};
};

}  // namespace velvora::win32
