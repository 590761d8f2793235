#pragma once
// Looking at the windows of another program and driving them as a user would: controls found by
// the designer name our windows carry, their texts read with WM_GETTEXT, clicks and keys posted
// to them, the pointer moved with SendInput, and the screen read back as pixels.
#include <windows.h>

#include <cstdint>
#include <map>
#include <string>

#include "picture_files.h"

namespace velvora::e2e {

// The controls of a window by designer name (every descendant that carries one).
class Controls {
 public:
  explicit Controls(HWND window);
  // The control's window; null when the window holds no control of that name.
  HWND operator[](const std::string& name) const;
  // The control's text as the system gives it to any program (WM_GETTEXT).
  std::wstring Text(const std::string& name) const;

 private:
  std::map<std::string, HWND> byName_;
};

std::wstring TextOf(HWND window);
bool Checked(HWND button);                    // BM_GETCHECK
int ListCount(HWND list);                     // LB_GETCOUNT
std::wstring ListItem(HWND list, int index);  // LB_GETTEXT
std::wstring ClassOf(HWND window);

// A left click in the middle of the control, posted as the mouse would send it.
void Click(HWND control);
// Replaces the text of an edit control as typing would: all selected, then the characters.
void Type(HWND edit, const std::wstring& text);
// Moves the pointer to a place on the screen, as the user's mouse does.
void MovePointer(int x, int y);

RECT ScreenRect();
RECT WindowRect(HWND window);
// What the screen shows in `area`.
test::Pixels Capture(const RECT& area);
// Waits (bounded) until two captures in a row agree, so that a window has painted.
test::Pixels CaptureSettled(const RECT& area);
std::uint32_t PixelAt(const test::Pixels& pixels, int x, int y);  // 0xRRGGBB

// Saves what the screen shows in `area` as a PNG file named `name`.png in the folder that
// VELVORA_E2E_SCREENSHOTS names; does nothing without it.
void Screenshot(const RECT& area, const std::string& name);

}  // namespace velvora::e2e
