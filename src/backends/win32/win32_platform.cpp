// The platform object: the event loop, posted work, timers, windows and the program's places.
#include "backends/win32/win32_platform.h"

#include <algorithm>

#include "backends/win32/win32_form_view.h"
#include "backends/win32/win32_monitors.h"
#include "backends/win32/win32_pictures.h"
#include "backends/win32/win32_text.h"
#include "backends/win32/win32_units.h"
#include "forms/controls.h"
#include "forms/program.h"

namespace velvora::win32 {
namespace {

// Messages of the hidden window.
constexpr UINT kPostedWork = WM_APP + 1;
constexpr UINT kFrame = WM_APP + 2;
constexpr UINT kBury = WM_APP + 3;

}  // namespace

Win32Platform::Win32Platform()
    : pictures_([](const std::string& path, PictureBound bound) {
        return DecodePicture(path, {bound.width, bound.height});
      }) {
  QueryPerformanceFrequency(&frequency_);
  QueryPerformanceCounter(&start_);
  // Hidden and top-level (not message-only): it also owns the windows kept out of the taskbar.
  window_ = CreateOurWindow(*this, OurClass(L"Velvora.Messages"), 0, WS_POPUP, {}, nullptr);
  frameTimer_.Attach(window_, kFrame);
}

Win32Platform::~Win32Platform() {
  StopFrames();
  for (const auto& [id, timer] : timers_) KillTimer(window_, id);
  for (Grave& grave : graves_) {
    if (grave.window && IsWindow(grave.window)) DestroyWindow(grave.window);
  }
  graves_.clear();
  posted_.clear();  // work still queued dies with the platform
  if (window_) DestroyWindow(window_);
}

// ---- the event loop ----

bool Win32Platform::Dispatch(const MSG& message) {
  if (message.message == WM_QUIT) return false;
  TranslateMessage(&message);
  DispatchMessageW(&message);
  return true;
}

void Win32Platform::Run() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) Dispatch(message);
}

void Win32Platform::DoEvents() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (!Dispatch(message)) {
      // The program has ended: the loop that runs it is to see that too.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
  }
}

// Also ends the loop of an open message box or dialog, which passes the quit on to ours.
void Win32Platform::Quit() { PostQuitMessage(0); }

void Win32Platform::Post(std::function<void()> work) {
  posted_.push_back(std::move(work));
  PostMessageW(window_, kPostedWork, 0, 0);
}

void Win32Platform::RunPosted() {
  if (posted_.empty()) return;
  const std::function<void()> work = std::move(posted_.front());
  posted_.pop_front();
  work();
}

void Win32Platform::Bury(HWND window, std::vector<std::unique_ptr<MessageTarget>> targets) {
  if (window) ShowWindow(window, SW_HIDE);
  graves_.push_back({window, std::move(targets)});
  PostMessageW(window_, kBury, 0, 0);
}

void Win32Platform::Fault() {
  if (program_) {
    program_->Terminate();
  } else {
    PostQuitMessage(1);
  }
}

LRESULT Win32Platform::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kPostedWork: RunPosted(); return 0;
    case kFrame: Frame(wParam); return 0;
    case kBury: {
      std::vector<Grave> graves = std::move(graves_);
      graves_.clear();
      for (Grave& grave : graves) {
        if (grave.window && IsWindow(grave.window)) DestroyWindow(grave.window);
      }
      return 0;
    }
    case WM_DISPLAYCHANGE:
      // Sent to every top-level window; this hidden one tells the program.
      if (program_) program_->MonitorsChanged();
      return 0;
    case WM_TIMER: {
      auto it = timers_.find(wParam);
      if (it != timers_.end()) it->second->Owner().program().TimerTick(*it->second);
      return 0;
    }
    default: return Next(window, message, wParam, lParam);
  }
}

std::unique_ptr<FormView> Win32Platform::Realise(Form& form) { return std::make_unique<Win32FormView>(*this, form); }

// ---- timers ----

void Win32Platform::TimerChanged(Timer& timer) {
  auto found = timerIds_.find(&timer);
  if (found == timerIds_.end()) {
    found = timerIds_.emplace(&timer, nextTimerId_++).first;
    timers_[found->second] = &timer;
  }
  if (timer.IsEnabled() && timer.Interval() > 0) {
    SetTimer(window_, found->second, static_cast<UINT>(timer.Interval()), nullptr);  // (re)starts the count
  } else {
    KillTimer(window_, found->second);
  }
}

void Win32Platform::TimerRemoved(Timer& timer) {
  auto found = timerIds_.find(&timer);
  if (found == timerIds_.end()) return;
  KillTimer(window_, found->second);
  timers_.erase(found->second);
  timerIds_.erase(found);
}

// ---- places ----

TwipsRect Win32Platform::WorkArea() {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  const Units units = DesktopUnits();
  return {units.ToTwips(area.left), units.ToTwips(area.top), units.ToTwips(area.right - area.left),
          units.ToTwips(area.bottom - area.top)};
}

std::string Win32Platform::ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::size_t cut = path.find_last_of(L"\\/");
  return Utf8(cut == std::wstring::npos ? path : path.substr(0, cut));
}

std::vector<std::string> Win32Platform::Drives() {
  wchar_t buffer[512];
  const DWORD length = GetLogicalDriveStringsW(static_cast<DWORD>(std::size(buffer)), buffer);
  std::vector<std::string> drives;
  for (const wchar_t* drive = buffer; length > 0 && length < std::size(buffer) && *drive; drive += wcslen(drive) + 1) {
    drives.push_back(Utf8(drive));
  }
  return drives;
}

std::uint32_t Win32Platform::SystemColourArgb(int index) { return win32::SystemColourArgb(index); }

}  // namespace velvora::win32
