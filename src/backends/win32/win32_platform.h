#pragma once
// The Windows platform: System, Toolkit and SettingsStore over Win32. It holds no behaviour of
// its own: it realises forms as native windows, runs timers, posted work and the frame clock on
// the one user-interface thread, shows the system's dialogs, decodes pictures, stores
// preferences in the registry and answers the named system calls.
#include <windows.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "backends/common/picture_prefetcher.h"
#include "backends/win32/win32_code_page.h"
#include "backends/win32/win32_frame_clock.h"
#include "backends/win32/win32_store.h"
#include "backends/win32/win32_system.h"
#include "backends/win32/win32_window.h"
#include "platform/frame_schedule.h"
#include "platform/platform.h"

namespace velvora {
class Program;
}

namespace velvora::win32 {

class Win32Platform final : public Toolkit, private MessageTarget {
 public:
  Win32Platform();
  ~Win32Platform() override;
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;
  Platform platform() { return {system_, *this, store_, codePage_}; }

  // Runs the event loop until Quit.
  void Run();
  // The program whose entries the platform calls: its safe end (Terminate) on a fault in a
  // window procedure, MonitorsChanged when the display changes. Without one a fault just quits
  // the loop.
  void Serve(Program& program) { program_ = &program; }
  // Something escaped a window procedure of ours.
  void Fault() override;

  // ---- Toolkit ----
  std::unique_ptr<FormView> Realise(Form& form) override;
  void TimerChanged(Timer& timer) override;
  void TimerRemoved(Timer& timer) override;
  void Post(std::function<void()> work) override;
  int MsgBox(const std::string& prompt, int style, const std::string& title) override;
  bool ChooseColor(std::int32_t& colour) override;
  PicturePtr LoadPicture(const std::string& path) override;
  void PictureComesNext(const std::string& path) override;
  std::vector<std::string> PictureExtensions() override;
  void DoEvents() override;
  void ShowErrorBox(const ErrorBox& box) override;
  TwipsRect WorkArea() override;
  std::vector<Monitor> Monitors() override;
  std::string ProgramFolder() override;
  std::vector<std::string> Drives() override;
  void Quit() override;
  PicturePtr LoadAsset(const std::string& name) override;
  std::uint32_t SystemColourArgb(int index) override;
  std::int64_t ClockMs() override;
  void StartFrames(std::function<void(std::int64_t nowMs)> onFrame) override;
  void StopFrames() override;

  // ---- for the windows ----
  Win32System& system() { return system_; }
  bool PointerHidden() const { return system_.Cursor().PointerHidden(); }
  // The hidden window that owns windows kept out of the taskbar.
  HWND HiddenOwner() const { return window_; }
  // A window that is going away: it is hidden now and destroyed with its targets on the next turn,
  // as the message that made it go may still be on its way through them.
  void Bury(HWND window, std::vector<std::unique_ptr<MessageTarget>> targets);
  // Handles one message of any window of the thread; false on WM_QUIT (which stays queued).
  bool Dispatch(const MSG& message);

 private:
  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void RunPosted();
  void Frame(WPARAM generation);
  std::int64_t ClockNs() const;
  // The owner of a message box or dialog: the active window of ours, if any.
  HWND DialogOwner() const;

  Win32System system_;
  RegistryStore store_;
  AnsiCodePage codePage_;
  PicturePrefetcher pictures_;  // decodes the next picture while the current one is shown
  HWND window_ = nullptr;
  std::deque<std::function<void()>> posted_;
  std::map<UINT_PTR, Timer*> timers_;
  std::map<const Timer*, UINT_PTR> timerIds_;
  UINT_PTR nextTimerId_ = 1;
  struct Grave {
    HWND window;
    std::vector<std::unique_ptr<MessageTarget>> targets;
  };
  std::vector<Grave> graves_;
  Program* program_ = nullptr;
  LARGE_INTEGER frequency_{};
  LARGE_INTEGER start_{};
  FrameTimer frameTimer_;
  FrameSchedule frameSchedule_;
  std::function<void(std::int64_t)> onFrame_;
  WPARAM frameGeneration_ = 0;
  bool frameArmed_ = false;
  COLORREF customColours_[16] = {};
};

}  // namespace velvora::win32
