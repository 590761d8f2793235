#include "backends/win32/win32_form_view.h"

#include <windowsx.h>

#include "backends/win32/win32_drawing.h"
#include "backends/win32/win32_handles.h"
#include "backends/win32/win32_input.h"
#include "backends/win32/win32_modules.h"
#include "backends/win32/win32_monitors.h"
#include "backends/win32/win32_platform.h"
#include "backends/win32/win32_resources.h"
#include "backends/win32/win32_text.h"
#include "forms/program.h"

namespace velvora::win32 {
namespace {

struct WindowStyle {
  DWORD style;
  DWORD exStyle;
};

// The native frame of a design's border: the window calls read these bits.
WindowStyle StyleFor(const FormDesign& d) {
  const DWORD boxes = (d.minButton ? WS_MINIMIZEBOX : 0) | (d.maxButton ? WS_MAXIMIZEBOX : 0);
  const DWORD tool = d.showInTaskbar ? 0 : WS_EX_TOOLWINDOW;
  switch (d.border) {
    case BorderStyle::None: return {WS_POPUP | WS_CLIPCHILDREN, tool};
    case BorderStyle::FixedToolWindow: return {WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW};
    case BorderStyle::FixedDialog: return {WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, WS_EX_DLGMODALFRAME};
    case BorderStyle::Fixed: return {WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | boxes, 0};
    case BorderStyle::Sizable: return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN | boxes, 0};
  }
  return {WS_OVERLAPPEDWINDOW, 0};
}

int IconId(std::string_view asset) {
  if (asset == "saver") return VELVORA_ICON_SAVER;
  if (asset == "setup") return VELVORA_ICON_SETUP;
  if (asset == "help") return VELVORA_ICON_HELP;
  if (asset == "options") return VELVORA_ICON_OPTIONS;
  return 0;
}

HICON LoadIconOfSize(int id, int metric) {
  const int size = GetSystemMetrics(metric);
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size,
                                       LR_DEFAULTCOLOR | LR_SHARED));
}

bool Embedded(HWND window) { return (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) != 0; }

}  // namespace

// The form window's target: passes messages to the view while there is one.
class Win32FormView::FormWindow final : public MessageTarget {
 public:
  FormWindow(Win32FormView& view, Win32Platform& platform) : view_(&view), platform_(platform) {}
  void Detach() { view_ = nullptr; }
  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    return view_ ? view_->HandleWindow(window, message, wParam, lParam) : Next(window, message, wParam, lParam);
  }
  void Fault() override { platform_.Fault(); }
  void WindowGone() override {
    if (view_) view_->WindowGone();
  }

 private:
  Win32FormView* view_;
  Win32Platform& platform_;
};

Win32FormView::Win32FormView(Win32Platform& platform, Form& form)
    : platform_(platform), form_(form), className_(L"Velvora." + Wide(form.Name())),
      target_(std::make_unique<FormWindow>(*this, platform)) {
  const FormDesign& d = form.Design();
  const WindowStyle style = StyleFor(d);
  // Windows kept out of the taskbar that have a frame need an owner for that.
  const bool needsOwner = !d.showInTaskbar && !(style.exStyle & WS_EX_TOOLWINDOW);
  OurClass(className_.c_str(), CS_DBLCLKS);
  window_ = CreateOurWindow(*target_, className_.c_str(), style.exStyle, style.style,
                            {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + 100, CW_USEDEFAULT + 100},
                            needsOwner ? platform.HiddenOwner() : nullptr, Wide(form.Caption()));
  handle_ = FromHwnd(window_);
  units_ = Units(DpiOf(window_));
  SetWindowName(window_, form.Name());
  SetIcon();
  ApplyBackColor();
  SetClientSize(units_.ToPixels(d.clientWidth), units_.ToPixels(d.clientHeight));
  Build();
}

Win32FormView::~Win32FormView() {
  alive_.reset();
  target_->Detach();
  std::vector<std::unique_ptr<MessageTarget>> targets;
  targets.push_back(std::move(target_));
  for (auto& binding : bindings_) {
    binding->Detach();
    targets.push_back(std::move(binding));
  }
  platform_.Bury(window_, std::move(targets));
}

void Win32FormView::Build() {
  UINT id = kFirstControlId;
  // Containers come before the controls they hold in design order.
  for (const auto& control : form_.Controls()) {
    Control* container = control->Container();
    auto found = container ? byControl_.find(container) : byControl_.end();
    HWND parent = found != byControl_.end() ? found->second->ChildParent() : window_;
    if (std::unique_ptr<ControlBinding> binding = Bind(*this, *control, parent, id)) {
      byControl_[control.get()] = binding.get();
      byWindow_[binding->window()] = binding.get();
      bindings_.push_back(std::move(binding));
    }
    ++id;
  }
  for (Control* control : form_.StackingOrder()) {
    if (HWND w = WindowOf(*control)) SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  for (auto& binding : bindings_) binding->ApplyAll();
  for (Control* control : form_.TabOrder()) {
    auto it = byControl_.find(control);
    if (it != byControl_.end() && it->second->TakesFocus()) tabOrder_.push_back(it->second);
  }
}

HWND Win32FormView::WindowOf(const Control& control) const {
  auto it = byControl_.find(&control);
  return it == byControl_.end() ? nullptr : it->second->window();
}

ControlBinding* Win32FormView::BindingOf(HWND window) const {
  auto it = byWindow_.find(window);
  return it == byWindow_.end() ? nullptr : it->second;
}

void Win32FormView::Report(Control* control, const InputEvent& event) {
  form_.program().Raise(form_, control, event);
}

// ---- the window ----

void Win32FormView::SetIcon() {
  const int id = IconId(form_.Design().icon);
  if (id == 0) return;
  if (HICON big = LoadIconOfSize(id, SM_CXICON)) SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  if (HICON small = LoadIconOfSize(id, SM_CXSMICON)) {
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
  }
}

void Win32FormView::SetClientSize(int width, int height) {
  using AdjustForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi = Function<AdjustForDpi>(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi");
  RECT r{0, 0, width, height};
  const auto style = static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongW(window_, GWL_EXSTYLE));
  if (adjustForDpi) {
    adjustForDpi(&r, style, FALSE, exStyle, static_cast<UINT>(units_.Dpi()));
  } else {
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
  }
  SetWindowPos(window_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

COLORREF Win32FormView::BackColour() const { return ToColorRef(form_.BackColor()); }

void Win32FormView::ApplyBackColor() {
  back_.Reset(CreateSolidBrush(BackColour()));
  if (window_) RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Win32FormView::FormChanged(Prop what) {
  if (!window_) return;
  switch (what) {
    case Prop::Caption: SetWindowTextW(window_, Wide(form_.Caption()).c_str()); break;
    case Prop::BackColor: ApplyBackColor(); break;
    case Prop::Visible:
      if (form_.Visible()) {
        ShowAsDesigned();
      } else {
        ShowWindow(window_, SW_HIDE);
      }
      break;
    case Prop::WindowState:
      if (IsWindowVisible(window_)) ShowAsDesigned();
      break;
    case Prop::ZOrder:
      BringWindowToTop(window_);
      SetForegroundWindow(window_);
      break;
    case Prop::Repaint: RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN); break;
    case Prop::Owner:
      if (IsWindow(ToHwnd(form_.OwnerWindow()))) {
        SetWindowLongPtrW(window_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(ToHwnd(form_.OwnerWindow())));
      }
      break;
    default: break;
  }
}

void Win32FormView::ControlChanged(Control& control, Prop what) {
  auto it = byControl_.find(&control);
  if (it != byControl_.end()) it->second->Apply(what);
}

// A window embedded in a host shows without taking the focus; a borderless maximised window
// covers its monitor (WM_GETMINMAXINFO).
void Win32FormView::ShowAsDesigned() {
  if (Embedded(window_)) {
    ShowWindow(window_, SW_SHOWNA);
    return;
  }
  switch (form_.GetWindowState()) {
    case WindowState::Maximized:
      if (Borderless()) {
        // Its restored size is the monitor's too: where a window manager is to do the maximising
        // and there is none (Wine on a bare X server), it still covers the monitor.
        const RECT monitor = FullScreenArea();
        SetWindowPos(window_, nullptr, monitor.left, monitor.top, monitor.right - monitor.left,
                     monitor.bottom - monitor.top, SWP_NOZORDER | SWP_NOACTIVATE);
      }
      ShowWindow(window_, SW_SHOWMAXIMIZED);
      break;
    case WindowState::Minimized: ShowWindow(window_, SW_SHOWMINIMIZED); break;
    case WindowState::Normal: ShowWindow(window_, SW_SHOWNORMAL); break;
  }
}

TwipsRect Win32FormView::Frame() const {
  RECT r{};
  GetWindowRect(window_, &r);
  return {units_.ToTwips(r.left), units_.ToTwips(r.top), units_.ToTwips(r.right - r.left),
          units_.ToTwips(r.bottom - r.top)};
}

void Win32FormView::MoveFrame(float left, float top) {
  SetWindowPos(window_, nullptr, units_.ToPixels(left), units_.ToPixels(top), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Win32FormView::Borderless() const { return covered_ || form_.Design().border == BorderStyle::None; }

RECT Win32FormView::FullScreenArea() const { return covered_ ? *covered_ : PrimaryMonitorRect(); }

// Borderless, above every window that is not topmost, over the whole monitor; shown without
// taking the focus, so a view that comes during the show leaves the input where it is. One move,
// so the form hears of one new size.
void Win32FormView::CoverMonitor(const TwipsRect& monitor) {
  covered_ = DesktopUnits().PixelRect(monitor.left, monitor.top, monitor.width, monitor.height);
  const LONG style = GetWindowLongW(window_, GWL_STYLE);
  const LONG borderless = (style & ~static_cast<LONG>(WS_CAPTION | WS_THICKFRAME)) | static_cast<LONG>(WS_POPUP);
  if (borderless != style) SetWindowLongW(window_, GWL_STYLE, borderless);
  const LONG exStyle = GetWindowLongW(window_, GWL_EXSTYLE);
  if (exStyle & WS_EX_DLGMODALFRAME) SetWindowLongW(window_, GWL_EXSTYLE, exStyle & ~WS_EX_DLGMODALFRAME);
  SetWindowPos(window_, HWND_TOPMOST, covered_->left, covered_->top, covered_->right - covered_->left,
               covered_->bottom - covered_->top, SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_FRAMECHANGED);
}

// The client area, relative to the parent's (the screen's for a top-level window).
void Win32FormView::ReportGeometry() {
  if (IsIconic(window_)) return;
  RECT client{};
  GetClientRect(window_, &client);
  POINT origin{0, 0};
  MapWindowPoints(window_, GetAncestor(window_, GA_PARENT), &origin, 1);
  form_.PlatformGeometry(units_.ToTwips(origin.x), units_.ToTwips(origin.y), units_.ToTwips(client.right),
                         units_.ToTwips(client.bottom));
}

void Win32FormView::ApplyDpi(int dpi) {
  units_ = Units(dpi);
  for (auto& binding : bindings_) {
    binding->Apply(Prop::Font);
    binding->Apply(Prop::Geometry);
  }
}

void Win32FormView::WindowGone() {
  window_ = nullptr;
  for (auto& binding : bindings_) binding->WindowGone();
}

// ---- focus and keys ----

void Win32FormView::FocusFirst() {
  if (focus_ && IsWindow(focus_) && IsWindowVisible(focus_) && IsWindowEnabled(focus_)) {
    SetFocus(focus_);
    return;
  }
  for (ControlBinding* binding : tabOrder_) {
    if (IsWindowVisible(binding->window()) && IsWindowEnabled(binding->window())) {
      SetFocus(binding->window());
      return;
    }
  }
  SetFocus(window_);
}

void Win32FormView::MoveFocus(HWND from, bool backwards) {
  const int count = static_cast<int>(tabOrder_.size());
  int at = -1;
  for (int i = 0; i < count; ++i) {
    if (tabOrder_[i]->window() == from || IsChild(tabOrder_[i]->window(), from)) at = i;
  }
  const int start = at >= 0 ? at : (backwards ? 0 : count - 1);
  for (int step = 1; step <= count; ++step) {
    const int i = (start + (backwards ? count - step : step)) % count;
    HWND candidate = tabOrder_[i]->window();
    if (IsWindowVisible(candidate) && IsWindowEnabled(candidate)) {
      SetFocus(candidate);
      return;
    }
  }
}

bool Win32FormView::AccessKey(wchar_t key) {
  for (auto& binding : bindings_) {
    if (binding->AccessKey(key)) return true;
  }
  return false;
}

void Win32FormView::InvalidateAbove(HWND control) {
  RECT changed{};
  GetWindowRect(control, &changed);
  for (HWND w = GetWindow(control, GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV)) {
    ControlBinding* binding = BindingOf(w);
    RECT bounds{}, overlap{};
    GetWindowRect(w, &bounds);
    if (binding && binding->DrawsOverWhatLiesBeneath() && IntersectRect(&overlap, &changed, &bounds)) {
      InvalidateRect(w, nullptr, FALSE);
    }
  }
}

bool Win32FormView::FromChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  HWND child = nullptr;
  switch (message) {
    case WM_COMMAND:
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: child = reinterpret_cast<HWND>(lParam); break;
    case WM_DRAWITEM: child = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem; break;
    default: return false;
  }
  ControlBinding* binding = child ? BindingOf(child) : nullptr;
  return binding && binding->Notified(message, wParam, lParam, result);
}

// ---- the form window's messages ----

LRESULT Win32FormView::HandleWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (FromChild(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_WINDOWPOSCHANGED: {
      const auto& pos = *reinterpret_cast<const WINDOWPOS*>(lParam);
      ReportGeometry();
      if (pos.flags & SWP_SHOWWINDOW) form_.PlatformVisible(true);
      if (pos.flags & SWP_HIDEWINDOW) form_.PlatformVisible(false);
      break;
    }
    case WM_GETMINMAXINFO:
      if (Borderless() && !Embedded(window)) {
        // Maximised, a borderless window covers its whole monitor.
        auto& info = *reinterpret_cast<MINMAXINFO*>(lParam);
        const RECT monitor = FullScreenArea();
        info.ptMaxPosition = {monitor.left, monitor.top};
        info.ptMaxSize = {monitor.right - monitor.left, monitor.bottom - monitor.top};
        return 0;
      }
      break;
    case WM_CLOSE:
      // The form decides whether it closes: its unload removes this window.
      Report(nullptr, {.kind = InputKind::CloseBox});
      return 0;
    case WM_DESTROY: {
      // Destroyed from outside: the host it was embedded in, or its owner, went away.
      std::weak_ptr<bool> alive = alive_;
      platform_.Post([this, alive] {
        if (!alive.expired()) Report(nullptr, {.kind = InputKind::HostGone});
      });
      break;
    }
    case WM_SETCURSOR:
      if (platform_.PointerHidden()) {
        SetCursor(nullptr);
        return TRUE;
      }
      break;
    case WM_ERASEBKGND:
    case WM_PRINTCLIENT: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      RECT area = PaintArea(window, dc);
      FillRect(dc, &area, back_.get());
      return 1;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) FocusFirst();
      return 0;
    case WM_DPICHANGED: {
      ApplyDpi(HIWORD(wParam));
      // A window that covers a monitor of another DPI keeps covering it; others take the size
      // the system suggests for the new DPI.
      const RECT& to = covered_ ? *covered_ : *reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window, nullptr, to.left, to.top, to.right - to.left, to.bottom - to.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_MOUSEMOVE:
      Report(nullptr, PointerEvent(InputKind::MouseMove, wParam, lParam, units_));
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      Report(nullptr, {.kind = InputKind::Click});
      return 0;
    case WM_LBUTTONDBLCLK:
      Report(nullptr, {.kind = InputKind::DblClick});
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_TAB && !tabOrder_.empty()) {
        MoveFocus(window, (GetKeyState(VK_SHIFT) & 0x8000) != 0);
        return 0;
      }
      Report(nullptr, KeyDownEvent(wParam));
      return 0;
    case WM_SYSKEYDOWN:
      Report(nullptr, KeyDownEvent(wParam));
      return Next(window, message, wParam, lParam);
    case WM_CHAR:
      Report(nullptr, KeyPressEvent(wParam));
      return 0;
    case WM_SYSCHAR:
      if (AccessKey(static_cast<wchar_t>(wParam))) return 0;
      break;
    default: break;
  }
  return Next(window, message, wParam, lParam);
}

}  // namespace velvora::win32
