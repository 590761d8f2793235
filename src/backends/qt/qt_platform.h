#pragma once
// The Linux desktop platform: System, Toolkit and SettingsStore over Qt 6 Widgets and X11.
// It holds no behaviour of its own: it realises forms, runs timers and dialogs, decodes
// pictures, stores preferences and answers the named system calls.
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>

#include "backends/common/picture_prefetcher.h"
#include "backends/qt/dbus_session.h"
#include "platform/cursor_display_count.h"
#include "platform/frame_schedule.h"
#include "platform/platform.h"

class QTimer;
class QWidget;

namespace velvora {
class Program;
}

namespace velvora::qt {

class QtFormView;

class QtPlatform final : public System, public Toolkit, public SettingsStore {
 public:
  QtPlatform();
  ~QtPlatform() override;
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;
  Platform platform() { return {*this, *this, *this}; }

  // The window of ours with a handle, or null.
  QtFormView* ViewOf(Hwnd window) const;
  void Register(QtFormView& view);
  // A window of ours has a new native window, which does not have the blank pointer yet.
  void NativeWindowMade();
  void Unregister(QtFormView& view);

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
  bool HasPasswordServices() override { return false; }
  std::int32_t PwdChangePasswordA(const char* regKey, Hwnd parent, std::int32_t reserved1,
                                  std::int32_t reserved2) override;
  std::int32_t VerifyScreenSavePwd(Hwnd window) override;

  // ---- Toolkit ----
  std::unique_ptr<FormView> Realise(Form& form) override;
  void TimerChanged(Timer& timer) override;
  void TimerRemoved(Timer& timer) override;
  void Post(std::function<void()> work) override;
  int MsgBox(const std::string& prompt, int style, const std::string& title) override;
  bool ChooseColor(std::int32_t& colour) override;
  PicturePtr LoadPicture(const std::string& path) override;
  std::vector<std::string> PictureExtensions() override;
  void PictureComesNext(const std::string& path) override;
  void DoEvents() override;
  void ShowErrorBox(const ErrorBox& box) override;
  TwipsRect WorkArea() override;
  std::vector<Monitor> Monitors() override;
  std::string ProgramFolder() override;
  std::vector<std::string> Drives() override;
  void Quit() override;
  PicturePtr LoadAsset(const std::string& name) override;
  std::uint32_t SystemColourArgb(int index) override;
  std::int64_t ClockMs() override { return clock_.elapsed(); }
  void StartFrames(std::function<void(std::int64_t)> onFrame) override;
  void StopFrames() override;

  // ---- SettingsStore ----
  std::string GetSetting(const std::string& app, const std::string& section,
                         const std::string& key, const std::string& fallback) override;
  void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                   const std::string& value) override;

 private:
  void ApplyCursor();
  void ScheduleFrame();

  std::map<Hwnd, QtFormView*> views_;
  std::map<Timer*, QPointer<QTimer>> timers_;
  QObject posted_;  // the context of posted work: work still queued dies with the platform
  PicturePrefetcher pictures_;  // decodes the next picture while the current one is shown
  CursorDisplayCount cursor_;
  QElapsedTimer clock_;
  QTimer* frameTimer_ = nullptr;
  FrameSchedule frameSchedule_;
  std::function<void(std::int64_t)> onFrame_;
  bool cursorBlanked_ = false;
  bool saverSuspended_ = false;
  dbus::SessionSaverInhibit sessionInhibit_;  // released when the platform goes, whatever ended it
  std::int32_t saverRunning_ = 0;
};

}  // namespace velvora::qt
