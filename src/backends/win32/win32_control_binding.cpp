#include "backends/win32/win32_control_binding.h"

#include <cwctype>

#include "backends/win32/win32_form_view.h"
#include "backends/win32/win32_input.h"
#include "backends/win32/win32_platform.h"
#include "backends/win32/win32_text.h"

namespace velvora::win32 {

std::wstring CaptionText(const std::string& caption) {
  std::wstring text;
  for (wchar_t c : Wide(CaptionLines(caption))) {
    if (c == L'\n') text += L'\r';
    text += c;
  }
  return text;
}

ControlBinding::ControlBinding(Win32FormView& view, Control& control) : view_(&view), control_(&control) {}

const Units& ControlBinding::units() const { return view_->units(); }

void ControlBinding::Adopt(HWND window) {
  window_ = window;
  if (window_) SetWindowName(window_, control_->Name());
}

void ControlBinding::KeepCaptionAsText() {
  if (control_ && window_) SetWindowTextW(window_, CaptionText(control_->Caption()).c_str());
}

void ControlBinding::Apply(Prop what) {
  if (!control_ || !window_) return;
  switch (what) {
    case Prop::Geometry: ApplyGeometry(); break;
    case Prop::Visible: ShowWindow(window_, control_->Visible() ? SW_SHOWNA : SW_HIDE); break;
    case Prop::Enabled: EnableWindow(window_, control_->Enabled()); break;
    case Prop::Font:
      ApplyFont();
      ApplyOwn(what);
      break;
    case Prop::ForeColor:
    case Prop::BackColor:
      InvalidateRect(window_, nullptr, TRUE);
      ApplyOwn(what);
      break;
    case Prop::Repaint:
      ApplyOwn(what);
      RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
      break;
    case Prop::ZOrder: SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE); break;
    default: ApplyOwn(what); break;
  }
}

void ControlBinding::ApplyAll() {
  for (Prop what : {Prop::Font, Prop::ForeColor, Prop::Caption, Prop::Text, Prop::Range, Prop::Value, Prop::Path,
                    Prop::Items, Prop::ListIndex, Prop::Picture, Prop::Appearance, Prop::Geometry, Prop::Enabled,
                    Prop::Visible}) {
    Apply(what);
  }
}

void ControlBinding::ApplyGeometry() {
  const Control& c = *control_;
  const RECT r = units().PixelRect(c.Left(), c.Top(), c.Width(), c.Height());
  SetWindowPos(window_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  RECT client{};
  GetClientRect(window_, &client);
  control_->PlatformPixelSize(client.right, client.bottom);
}

void ControlBinding::ApplyFont() {
  font_.Reset(CreateDesignerFont(control_->GetFont(), units().Dpi()));
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

void ControlBinding::Report(const InputEvent& event) {
  if (control_ && view_) view_->Report(control_, event);
}

void ControlBinding::Fault() {
  if (view_) view_->platform().Fault();
}

COLORREF ControlBinding::Underneath() const {
  const Control* container = control_->Container();
  return container ? ToColorRef(container->BackColor()) : view_->BackColour();
}

HBRUSH ControlBinding::Colours(HDC dc, bool field) {
  Colour fore = control_->ForeColor(), back = control_->BackColor();
  if (field && fore == kButtonText) fore = kWindowText;
  if (field && back == kButtonFace) back = kWindowBack;
  SetTextColor(dc, ToColorRef(fore));
  SetBkColor(dc, ToColorRef(back));
  return BrushOf(ToColorRef(back));
}

HBRUSH ControlBinding::BrushOf(COLORREF colour) {
  if (colour != brushColour_ || !brush_.get()) {
    brush_.Reset(CreateSolidBrush(colour));
    brushColour_ = colour;
  }
  return brush_.get();
}

bool ControlBinding::Notified(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

bool ControlBinding::AccessKey(wchar_t key) {
  if (!control_ || !window_ || !IsWindowVisible(window_) || !IsWindowEnabled(window_)) return false;
  const std::wstring caption = Wide(control_->Caption());
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] == L'&') {  // "&&" is a plain ampersand
      ++i;
      continue;
    }
    if (std::towlower(caption[i + 1]) != std::towlower(key)) return false;
    if (TakesFocus()) SetFocus(window_);
    Report({.kind = InputKind::Click});
    return true;
  }
  return false;
}

LRESULT ControlBinding::Own(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Next(window, message, wParam, lParam);
}

LRESULT ControlBinding::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!control_ || !view_) return Next(window, message, wParam, lParam);
  LRESULT result = 0;
  // A container hands its controls' notifications to the form.
  if (view_->FromChild(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_MOUSEMOVE:
      Report(PointerEvent(InputKind::MouseMove, wParam, lParam, units()));
      break;
    case WM_LBUTTONUP:
      if (passive) {
        RECT client{};
        GetClientRect(window, &client);
        const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (PtInRect(&client, at)) Report({.kind = InputKind::Click});
      }
      break;
    case WM_LBUTTONDBLCLK:
      if (passive) Report({.kind = InputKind::DblClick});
      break;
    case WM_KEYDOWN:
      if (wParam == VK_TAB) {
        view_->MoveFocus(window, (GetKeyState(VK_SHIFT) & 0x8000) != 0);
        return 0;
      }
      Report(KeyDownEvent(wParam));
      break;
    case WM_CHAR:
      if (wParam == L'\t') return 0;
      Report(KeyPressEvent(wParam));
      break;
    case WM_SYSCHAR:
      if (view_->AccessKey(static_cast<wchar_t>(wParam))) return 0;
      break;
    case WM_SETFOCUS: view_->FocusChanged(window); break;
    default: break;
  }
  // Input may have unloaded the form: the window only waits to be destroyed.
  if (!control_) return Next(window, message, wParam, lParam);
  return Own(window, message, wParam, lParam);
}

std::unique_ptr<ControlBinding> Bind(Win32FormView& view, Control& control, HWND parent, UINT id) {
  if (auto b = BindStandard(view, control, parent, id)) return b;
  if (auto b = BindList(view, control, parent, id)) return b;
  return BindFx(view, control, parent, id);
}

}  // namespace velvora::win32
