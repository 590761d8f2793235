#pragma once
// One form realised as a native top-level window: builds a window for each control from its
// designer values, mirrors model changes onto them and reports user input back to the program.
// The window's class is "Velvora.<form name>"; each control's window has the control's index in
// the design plus kFirstControlId as its ID and the designer name as its "VelvoraName" property.
#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "backends/win32/win32_control_binding.h"
#include "backends/win32/win32_units.h"
#include "forms/form.h"
#include "forms/form_view.h"

namespace velvora::win32 {

class Win32Platform;

inline constexpr UINT kFirstControlId = 1000;

class Win32FormView final : public FormView {
 public:
  Win32FormView(Win32Platform& platform, Form& form);
  ~Win32FormView() override;
  Win32FormView(const Win32FormView&) = delete;
  Win32FormView& operator=(const Win32FormView&) = delete;

  Hwnd WindowHandle() const override { return handle_; }
  void FormChanged(Prop what) override;
  void ControlChanged(Control& control, Prop what) override;
  TwipsRect Frame() const override;
  void MoveFrame(float left, float top) override;
  void CoverMonitor(const TwipsRect& monitor) override;

  Form& form() const { return form_; }
  Win32Platform& platform() const { return platform_; }
  const Units& units() const { return units_; }
  HWND window() const { return window_; }
  // The window of a control; null for kinds without one.
  HWND WindowOf(const Control& control) const;
  // Reports user input on the form (control null) or one of its controls. The view may be gone
  // when this returns.
  void Report(Control* control, const InputEvent& event);

  // ---- what the control windows ask of their form ----
  // A message a container got from one of its controls; true when handled.
  bool FromChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // Tab and Shift+Tab: the next control in the core's tab order that can take the focus.
  void MoveFocus(HWND from, bool backwards);
  // Alt and a letter: the control whose caption marks that letter acts on it.
  bool AccessKey(wchar_t key);
  void FocusChanged(HWND control) { focus_ = control; }
  // A control's pixels changed: the windows over it that show what lies beneath repaint too.
  void InvalidateAbove(HWND control);
  COLORREF BackColour() const;

  // ---- the form window's messages (from its target) ----
  LRESULT HandleWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void WindowGone();

 private:
  class FormWindow;

  void Build();
  void ShowAsDesigned();
  // Designed without a border, or made so to cover a monitor.
  bool Borderless() const;
  // Where the window goes full screen: the monitor it was asked to cover, else the primary.
  RECT FullScreenArea() const;
  void ReportGeometry();
  void SetClientSize(int width, int height);
  void SetIcon();
  void ApplyBackColor();
  void ApplyDpi(int dpi);
  void FocusFirst();
  ControlBinding* BindingOf(HWND window) const;

  Win32Platform& platform_;
  Form& form_;
  std::wstring className_;
  std::unique_ptr<FormWindow> target_;
  HWND window_ = nullptr;
  Hwnd handle_ = 0;
  Units units_;
  GdiObject<HBRUSH> back_;
  std::vector<std::unique_ptr<ControlBinding>> bindings_;
  std::map<const Control*, ControlBinding*> byControl_;
  std::map<HWND, ControlBinding*> byWindow_;
  std::vector<ControlBinding*> tabOrder_;
  HWND focus_ = nullptr;
  std::optional<RECT> covered_;  // the monitor the window covers, in pixels
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace velvora::win32
