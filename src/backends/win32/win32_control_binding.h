#pragma once
// The link between one control model and its window: applies the model's properties to the
// window and reports the user's input on it. Once its form's view goes away it is detached (and
// inert) until the window is destroyed, since a message may still be on its way through it.
#include <windows.h>

#include <memory>
#include <string>

#include "backends/win32/win32_units.h"
#include "backends/win32/win32_window.h"
#include "forms/control.h"

namespace velvora::win32 {

class Win32FormView;

class ControlBinding : public MessageTarget {
 public:
  ControlBinding(Win32FormView& view, Control& control);

  HWND window() const { return window_; }
  // Where the controls this one contains are placed.
  virtual HWND ChildParent() const { return window_; }
  // Takes part in the tab order.
  virtual bool TakesFocus() const { return false; }
  // Mirrors one property of the model (after Detach: nothing).
  void Apply(Prop what);
  // Mirrors every property, once, after the window is made.
  void ApplyAll();
  void Detach() {
    control_ = nullptr;
    view_ = nullptr;
  }
  // A message its window's parent got about it (WM_COMMAND, WM_CTLCOLOR*, WM_DRAWITEM,
  // WM_VSCROLL); true when handled, with the result.
  virtual bool Notified(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // The "&" letter of its caption was typed with Alt: true when it acted on it.
  virtual bool AccessKey(wchar_t key);
  // It shows what lies beneath it (so it repaints when that does).
  virtual bool DrawsOverWhatLiesBeneath() const { return false; }

  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) final;
  void Fault() override;
  void WindowGone() override { window_ = nullptr; }

 protected:
  Control* control() const { return control_; }
  Win32FormView* view() const { return view_; }
  const Units& units() const;
  HFONT font() const { return font_.get(); }
  // The window this binding made, with its designer name.
  void Adopt(HWND window);
  // A control we draw ourselves keeps its caption as its window text as well, so screen readers
  // and other programs read it as they read a native control's (WM_GETTEXT).
  void KeepCaptionAsText();

  // The kind's own properties (caption, text, items, value...).
  virtual void ApplyOwn(Prop what) = 0;
  virtual void ApplyGeometry();
  virtual void ApplyFont();
  // The kind's own messages; the default passes them on.
  virtual LRESULT Own(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Reports input; the binding may be detached when this returns.
  void Report(const InputEvent& event);
  // Colours of a native control for WM_CTLCOLOR*: the model's colours; `field` kinds (text box,
  // lists) show the system's field colours where the design keeps the generic defaults.
  HBRUSH Colours(HDC dc, bool field);
  // A brush of that colour, kept until another colour is asked for.
  HBRUSH BrushOf(COLORREF colour);
  // The colour of what the control lies on: its container's, or the form's.
  COLORREF Underneath() const;
  // Passive kinds (labels, pictures, panels) report clicks on themselves.
  bool passive = false;

 private:
  Win32FormView* view_;
  Control* control_;
  HWND window_ = nullptr;
  GdiObject<HFONT> font_;
  GdiObject<HBRUSH> brush_;
  COLORREF brushColour_ = CLR_INVALID;
};

// Makes the window and binding of a control under `parent` (null for kinds without a window
// area: timers and the colour dialog).
std::unique_ptr<ControlBinding> Bind(Win32FormView& view, Control& control, HWND parent, UINT id);
std::unique_ptr<ControlBinding> BindStandard(Win32FormView& view, Control& control, HWND parent, UINT id);
std::unique_ptr<ControlBinding> BindList(Win32FormView& view, Control& control, HWND parent, UINT id);
// The picture control and the styled label.
std::unique_ptr<ControlBinding> BindFx(Win32FormView& view, Control& control, HWND parent, UINT id);
// The 3-D panel and the 3-D button.
std::unique_ptr<ControlBinding> BindThreeD(Win32FormView& view, Control& control, HWND parent, UINT id);

// A caption as Windows draws it: UTF-16 with CR LF line breaks.
std::wstring CaptionText(const std::string& caption);

}  // namespace velvora::win32
