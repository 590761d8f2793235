#pragma once
// The simulated platform: a deterministic, headless System, Toolkit and SettingsStore.
// Time is virtual and moves only when a test advances it; message boxes, the colour dialog, the
// password services, the version numbers, the taskbar and host windows answer from a script;
// every system call is logged with its arguments. Files and pictures are real.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "forms/form.h"
#include "forms/types.h"
#include "platform/cursor_display_count.h"
#include "platform/platform.h"

namespace velvora {

class Program;

struct SimCall {
  std::string name;
  std::vector<std::string> args;
};

struct SimMessageBox {
  std::string text;
  std::string title;
  int style = 0;
  int answer = 0;
};

struct SimErrorBox {
  int number = 0;
  std::string text;
};

class SimPlatform final : public System, public Toolkit, public SettingsStore {
 public:
  static constexpr float kTwipsPerPixel = 15;

  explicit SimPlatform(std::string programFolder);
  ~SimPlatform() override;
  Platform platform() { return {*this, *this, *this}; }

  // ---- the script ----
  struct Versions {
    std::uint32_t major = 4, minor = 10, platformId = 1;
    bool queryFails = false;
  } versions;
  struct Taskbar {
    bool present = true;
    bool enabled = true;
    Hwnd handle = 0x20010;
  } taskbar;
  bool passwordServices = true;
  std::deque<std::int32_t> passwordAnswers;   // VerifyScreenSavePwd results; default 1
  std::deque<int> messageBoxAnswers;          // default: the style's default button
  std::deque<std::optional<Colour>> colourAnswers;  // nullopt cancels; default cancel
  std::map<Hwnd, std::pair<std::int32_t, std::int32_t>> hostWindows;  // client size in pixels
  // Runs while a message box, the colour dialog or the error box is open (a test's way to let
  // time pass or a signal arrive meanwhile).
  std::function<void()> whileBoxOpen;
  int screenWidth = 1024, screenHeight = 768;  // pixels: the primary monitor, at 0, 0
  struct MonitorArea {
    int left = 0, top = 0, width = 0, height = 0;  // pixels
  };
  // The monitors beside the primary one, in the order Monitors() gives them after it. A test
  // that changes the monitors while the program runs tells it with Program::MonitorsChanged.
  std::vector<MonitorArea> otherMonitors;
  std::vector<std::string> drives{"/"};
  // What the picture loader reads: stb_image's formats (it knows them by content).
  std::vector<std::string> pictureExtensions{"jpg", "jpeg", "jpe", "jfif", "png", "bmp", "gif",
                                             "tga", "psd", "hdr", "pic", "pnm", "ppm", "pgm"};

  // ---- time ----
  // While a transition plays, a frame falls on every multiple of this many ms of virtual time;
  // a frame and a timer due at the same moment: the frame comes first.
  static constexpr std::int64_t kFramePeriodMs = 10;
  std::int64_t Now() const { return now_; }
  // Moves virtual time on, firing due timers and frames in order and handling queued events.
  void Advance(std::int64_t ms);
  // Handles every queued event (what the platform would deliver without time passing).
  void RunPending();

  // ---- what happens outside the program ----
  // A host window goes away: the windows embedded in it report it.
  void DestroyHost(Hwnd host);

  // ---- what happened ----
  const std::vector<SimCall>& Calls() const { return calls_; }
  const std::vector<SimMessageBox>& MessageBoxes() const { return boxes_; }
  const std::vector<SimErrorBox>& ErrorBoxes() const { return errors_; }
  const std::vector<Colour>& ColourDialogs() const { return colourDialogs_; }
  // Every file named by PictureComesNext, in order.
  const std::vector<std::string>& PictureHints() const { return pictureHints_; }
  int CursorCount() const { return cursor_.Count(); }
  bool ScreenSaverActive() const { return screenSaverActive_; }
  bool QuitRequested() const { return quit_; }
  std::int32_t WindowStyle(Hwnd window) const;
  Hwnd ParentOf(Hwnd window) const;
  void ClearCalls() { calls_.clear(); }
  void ClearPictureHints() { pictureHints_.clear(); }
  std::map<std::tuple<std::string, std::string, std::string>, std::string>& Store() { return store_; }

  // ---- System ----
  std::int32_t ShowCursor(std::int32_t show) override;
  std::int32_t GetClientRect(Hwnd window, WinRect& rect) override;
  std::int32_t GetWindowLongA(Hwnd window, std::int32_t index) override;
  std::int32_t SetWindowLongA(Hwnd window, std::int32_t index, std::int32_t value) override;
  Hwnd SetParent(Hwnd child, Hwnd parent) override;
  std::int32_t SetWindowPos(Hwnd window, Hwnd insertAfter, std::int32_t x, std::int32_t y,
                            std::int32_t cx, std::int32_t cy, std::uint32_t flags) override;
  std::int32_t SystemParametersInfoA(std::uint32_t action, std::uint32_t param, void* buffer,
                                     std::uint32_t winIni) override;
  Hwnd FindWindowA(const char* className, const char* windowName) override;
  std::int32_t IsWindowEnabled(Hwnd window) override;
  std::int32_t EnableWindow(Hwnd window, std::int32_t enable) override;
  std::int32_t GetVersionExA(OsVersionInfo& info) override;
  std::int32_t IsWindow(Hwnd window) override;
  bool HasPasswordServices() override;
  std::int32_t PwdChangePasswordA(const char* regKey, Hwnd parent, std::int32_t reserved1,
                                  std::int32_t reserved2) override;
  std::int32_t VerifyScreenSavePwd(Hwnd window) override;

  // ---- Toolkit ----
  std::unique_ptr<FormView> Realise(Form& form) override;
  void TimerChanged(Timer& timer) override;
  void TimerRemoved(Timer& timer) override;
  void Post(std::function<void()> work) override { pending_.push_back(std::move(work)); }
  int MsgBox(const std::string& prompt, int style, const std::string& title) override;
  bool ChooseColor(std::int32_t& colour) override;
  PicturePtr LoadPicture(const std::string& path) override;
  std::vector<std::string> PictureExtensions() override { return pictureExtensions; }
  // Recorded only: the sim decodes on the spot, so a run never depends on a hint.
  void PictureComesNext(const std::string& path) override { pictureHints_.push_back(path); }
  void DoEvents() override;
  void ShowErrorBox(const ErrorBox& box) override;
  TwipsRect WorkArea() override;
  std::vector<Monitor> Monitors() override;
  std::string ProgramFolder() override { return programFolder_; }
  std::vector<std::string> Drives() override { return drives; }
  void Quit() override { quit_ = true; }
  // Assets are read from the "assets" folder in the program folder ("<name>.png").
  PicturePtr LoadAsset(const std::string& name) override;
  std::uint32_t SystemColourArgb(int index) override;
  std::int64_t ClockMs() override { return now_; }
  void StartFrames(std::function<void(std::int64_t)> onFrame) override;
  void StopFrames() override { onFrame_ = nullptr; }
  bool FramesRunning() const { return static_cast<bool>(onFrame_); }

  // ---- SettingsStore ----
  std::string GetSetting(const std::string& app, const std::string& section,
                         const std::string& key, const std::string& fallback) override;
  void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                   const std::string& value) override;

  // ---- used by the simulated windows ----
  struct Window {
    Form* form = nullptr;
    std::int32_t style = 0;
    Hwnd parent = 0;
    bool shown = false;
    bool topmost = false;
  };
  Window* FindWindow(Hwnd window);
  // The forms whose windows are shown, whatever their kind.
  std::vector<Form*> ShownForms() const;
  void ForgetWindow(Hwnd window);

 private:
  void Log(std::string name, std::vector<std::string> args);
  void BoxOpen();

  struct TimerEntry {
    std::int64_t due = 0;
    std::uint64_t order = 0;
  };

  std::string programFolder_;
  std::int64_t now_ = 0;
  std::uint64_t nextOrder_ = 0;
  std::map<Timer*, TimerEntry> timers_;
  std::function<void(std::int64_t)> onFrame_;
  std::int64_t nextFrame_ = 0;
  std::deque<std::function<void()>> pending_;
  std::vector<SimCall> calls_;
  std::vector<SimMessageBox> boxes_;
  std::vector<SimErrorBox> errors_;
  std::vector<Colour> colourDialogs_;
  std::vector<std::string> pictureHints_;
  std::map<Hwnd, Window> windows_;
  Hwnd nextWindow_ = 0x10010;
  CursorDisplayCount cursor_;
  bool screenSaverActive_ = true;
  std::int32_t saverRunning_ = 0;
  bool quit_ = false;
  std::map<std::tuple<std::string, std::string, std::string>, std::string> store_;
};

}  // namespace velvora
