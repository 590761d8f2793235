// The contracts on the Win32 backend (under Wine in the cross builds): the thread's real message
// loop with bounded waits, the system's message boxes and colour dialog found among the thread's
// windows and answered with their buttons, and what the windows show read back from the system.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <deque>

#include "backend_harness.h"
#include "backends/win32/win32_form_view.h"
#include "backends/win32/win32_handles.h"
#include "backends/win32/win32_platform.h"
#include "backends/win32/win32_text.h"
#include "backends/win32/win32_window.h"

namespace velvora::conformance {
namespace {

using Clock = std::chrono::steady_clock;

constexpr UINT kPollMs = 5;
constexpr UINT kForceCloseMs = 3000;
constexpr UINT_PTR kPollTimer = 1, kForceTimer = 2;

win32::Win32FormView& ViewOf(const Form& form) { return *static_cast<win32::Win32FormView*>(form.View()); }

// The system's dialogs (message boxes, the colour dialog) have this class.
bool IsBox(HWND window) {
  wchar_t name[16];
  return IsWindowVisible(window) && GetClassNameW(window, name, 16) && std::wstring_view(name) == L"#32770";
}

// A named procedure: a lambda has no stdcall conversion on i686.
BOOL CALLBACK FindBox(HWND window, LPARAM result) {
  if (!IsBox(window)) return TRUE;
  *reinterpret_cast<HWND*>(result) = window;
  return FALSE;
}

HWND OpenBox() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&found));
  return found;
}

// Presses a button of a box, as a click would.
void Press(HWND box, int id) { PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id))); }

// Message boxes number their buttons by their answers; the colour dialog has OK and Cancel.
void Answer(HWND box, int answer) {
  ASSERT_NE(GetDlgItem(box, answer == mb::kAnswerOk || GetDlgItem(box, answer) ? answer : IDCANCEL), nullptr)
      << "no button for answer " << answer;
  Press(box, GetDlgItem(box, answer) ? answer : IDCANCEL);
}

// Closes a box without choosing: Cancel where there is one, else its first button.
void Dismiss(HWND box) {
  for (int id : {IDCANCEL, IDOK, IDNO, IDYES}) {
    if (GetDlgItem(box, id)) return Press(box, id);
  }
}

LRESULT CALLBACK CountResets(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR count) {
  if (message == LB_RESETCONTENT) ++*reinterpret_cast<int*>(count);
  return DefSubclassProc(window, message, wParam, lParam);
}

class Win32ListProbe final : public ListProbe {
 public:
  explicit Win32ListProbe(HWND list) : list_(list) { SetWindowSubclass(list_, CountResets, 1, reinterpret_cast<DWORD_PTR>(&rebuilds_)); }
  ~Win32ListProbe() override {
    if (IsWindow(list_)) RemoveWindowSubclass(list_, CountResets, 1);
  }
  int Count() const override { return static_cast<int>(SendMessageW(list_, LB_GETCOUNT, 0, 0)); }
  std::string Entry(int row) const override {
    const auto length = SendMessageW(list_, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
    if (length < 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list_, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return win32::Utf8(text);
  }
  int CurrentRow() const override { return static_cast<int>(SendMessageW(list_, LB_GETCURSEL, 0, 0)); }
  int Rebuilds() const override { return rebuilds_; }

 private:
  HWND list_;
  int rebuilds_ = 0;
};

class Win32Harness final : public BackendHarness, private win32::MessageTarget {
 public:
  Win32Harness() {
    DropQuit();  // a program that ended before this one asked every loop to quit
    poller_ = win32::CreateOurWindow(*this, win32::OurClass(L"VelvoraContractPoll"), 0, WS_POPUP, {}, nullptr);
  }
  ~Win32Harness() override {
    for (HWND host : hosts_) DestroyWindow(host);
    DestroyWindow(poller_);
    DropQuit();
  }

  Platform platform() override { return platform_.platform(); }
  float TwipsPerPixel() const override { return 1440.0f / static_cast<float>(win32::ScreenDpi()); }

  void Turn() override {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) platform_.Dispatch(message);  // a quit is dropped
  }
  void Pass(int ms) override {
    const auto end = Clock::now() + std::chrono::milliseconds(ms);
    for (auto now = Clock::now(); now < end; now = Clock::now()) {
      Turn();
      Wait(std::chrono::duration_cast<std::chrono::milliseconds>(end - now).count());
    }
    Turn();
  }
  bool Until(const std::function<bool()>& done, int boundMs) override {
    const auto end = Clock::now() + std::chrono::milliseconds(boundMs);
    for (;;) {
      Turn();
      if (done()) return true;
      if (Clock::now() >= end) return false;
      Wait(kPollMs);
    }
  }

  void AnswerNextBox(std::optional<int> answer, std::function<void()> whileOpen) override {
    pending_.push_back({answer, std::move(whileOpen)});
    SetTimer(poller_, kPollTimer, kPollMs, nullptr);
  }
  bool BoxOpen() override { return OpenBox() != nullptr; }
  int BoxesClosedByForce() const override { return forced_; }

  void PressCloseBox(Form& form) override { PostMessageW(win32::ToHwnd(form.hWnd()), WM_SYSCOMMAND, SC_CLOSE, 0); }
  std::optional<Hwnd> MakeHostWindow(int width, int height) override {
    RECT r{0, 0, width, height};
    AdjustWindowRectEx(&r, WS_OVERLAPPEDWINDOW, FALSE, 0);
    HWND host = CreateWindowExW(0, HostClass(), L"Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, r.right - r.left,
                                r.bottom - r.top, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!host) {
      why = "no window could be made (Wine needs an X display)";
      return std::nullopt;
    }
    hosts_.push_back(host);
    return win32::FromHwnd(host);
  }
  void DestroyHostWindow(Hwnd host) override {
    DestroyWindow(win32::ToHwnd(host));
    std::erase(hosts_, win32::ToHwnd(host));
  }

  // The client area, relative to the parent's (the screen's for a top-level window).
  std::optional<RealisedWindow> Realised(Hwnd handle) override {
    HWND window = win32::ToHwnd(handle);
    if (!IsWindow(window)) return std::nullopt;
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    MapWindowPoints(window, GetAncestor(window, GA_PARENT), &origin, 1);
    return RealisedWindow{.left = origin.x, .top = origin.y, .width = client.right, .height = client.bottom,
                          .shown = IsWindowVisible(window) != 0,
                          .topmost = (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0};
  }

  // The system keeps a parent's children from the top of the stack down.
  std::optional<std::vector<std::string>> Stacking(const Form& form, const Control* container) override {
    win32::Win32FormView& view = ViewOf(form);
    HWND parent = container ? view.WindowOf(*container) : view.window();
    std::vector<std::string> names;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      const std::string name = win32::WindowName(child);
      if (!name.empty()) names.insert(names.begin(), name);
    }
    return names;
  }
  // What the screen shows of the control's window.
  std::optional<Painted> Paint(const Form& form, const Control& control) override {
    HWND window = ViewOf(form).WindowOf(control);
    UpdateWindow(window);
    RECT client{};
    GetClientRect(window, &client);
    Painted painted{.width = client.right, .height = client.bottom, .pixels = {}};
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, client.right, -client.bottom, 1, 32, BI_RGB};
    void* bits = nullptr;
    HDC screen = GetDC(window), memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    // The screen holds no alpha: what it shows is opaque.
    for (std::size_t i = 0; i < static_cast<std::size_t>(client.right) * client.bottom; ++i) {
      painted.pixels.push_back(pixels[i] | 0xFF000000u);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return painted;
  }
  std::unique_ptr<ListProbe> ProbeList(const Form& form, const Control& list) override {
    HWND window = ViewOf(form).WindowOf(list);
    wchar_t name[16] = {};
    if (!window || !GetClassNameW(window, name, 16) || std::wstring_view(name) != L"ListBox") {
      why = "the list control has no list box";
      return nullptr;
    }
    return std::make_unique<Win32ListProbe>(window);
  }

 private:
  struct Pending {
    std::optional<int> answer;
    std::function<void()> whileOpen;
  };

  static const wchar_t* HostClass() {
    static const wchar_t* name = [] {
      WNDCLASSW c{};
      c.lpfnWndProc = DefWindowProcW;
      c.hInstance = GetModuleHandleW(nullptr);
      c.lpszClassName = L"VelvoraContractHost";
      RegisterClassW(&c);
      return c.lpszClassName;
    }();
    return name;
  }
  static void DropQuit() {
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }
  static void Wait(long long ms) {
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(std::clamp(ms, 0LL, 50LL)), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
  }

  // The poll runs inside the box's own loop: it finds the box once it is open and answers it.
  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_TIMER) return win32::Next(window, message, wParam, lParam);
    if (wParam == kForceTimer) {
      KillTimer(window, kForceTimer);
      if (IsWindow(waiting_) && IsWindowVisible(waiting_)) {
        ++forced_;
        Dismiss(waiting_);
      }
      return 0;
    }
    HWND box = OpenBox();
    if (!box || pending_.empty()) return 0;
    KillTimer(window, kPollTimer);
    Pending next = std::move(pending_.front());
    pending_.pop_front();
    if (next.whileOpen) next.whileOpen();
    if (!IsWindow(box)) return 0;
    if (next.answer) {
      Answer(box, *next.answer);
    } else {
      // The box should close by itself; if it does not, the contract fails instead of hanging.
      waiting_ = box;
      SetTimer(window, kForceTimer, kForceCloseMs, nullptr);
    }
    if (!pending_.empty()) SetTimer(window, kPollTimer, kPollMs, nullptr);
    return 0;
  }
  void Fault() override { ADD_FAILURE() << "an exception left the harness's poll"; }

  win32::Win32Platform platform_;
  HWND poller_ = nullptr;
  std::deque<Pending> pending_;
  std::vector<HWND> hosts_;
  HWND waiting_ = nullptr;
  int forced_ = 0;
};

}  // namespace

VELVORA_CONFORMANCE_BACKEND(Win32, [] { return std::unique_ptr<BackendHarness>(new Win32Harness); });

}  // namespace velvora::conformance
