#pragma once
// Our windows and the native controls we subclass pass every message to a MessageTarget. No C++
// exception ever leaves a window procedure: the program's entries never throw, and whatever the
// backend's own code lets escape is caught at the procedure and reported as a fault (which ends
// the program), so the system's code between our procedures is never unwound.
#include <windows.h>

#include <string>

namespace velvora::win32 {

class MessageTarget {
 public:
  virtual ~MessageTarget() = default;
  // One message of the window; `next` handles what the target does not (DefWindowProc, or the
  // native control's own procedure).
  virtual LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // Something escaped Handle: the program must end.
  virtual void Fault() = 0;
  // The window is being destroyed (WM_NCDESTROY): its handle is dead from now on.
  virtual void WindowGone() {}
};

// The procedure's default for a message: DefWindowProc for our own classes, the control's own
// procedure for a subclassed native control. Call it from Handle for what the target leaves.
LRESULT Next(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Registers a class of ours once per process; returns its name.
const wchar_t* OurClass(const wchar_t* name, UINT style = 0, LPCWSTR cursor = IDC_ARROW);

// Creates a window of one of our classes whose messages go to `target`.
HWND CreateOurWindow(MessageTarget& target, const wchar_t* className, DWORD exStyle, DWORD style,
                     const RECT& rect, HWND parent, const std::wstring& text = {}, UINT_PTR id = 0);
// Creates a native control whose messages reach `target` first.
HWND CreateSubclassed(MessageTarget& target, const wchar_t* className, DWORD exStyle, DWORD style, HWND parent,
                      UINT_PTR id);

// The designer name a window of ours carries (window property "VelvoraName", a global atom that
// any process can read with GlobalGetAtomName); removed with the window.
void SetWindowName(HWND window, const std::string& name);
std::string WindowName(HWND window);

}  // namespace velvora::win32
