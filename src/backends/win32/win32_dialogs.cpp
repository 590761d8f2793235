// Message boxes, the colour dialog and the run-time error box: the system's own, modal until
// answered or until the program quits (their loops end on WM_QUIT and pass it on).
#include "backends/win32/win32_platform.h"

#include <commdlg.h>
#undef ChooseColor  // the toolkit's method, not the system's macro

#include "backends/win32/win32_text.h"
#include "backends/win32/win32_units.h"

namespace velvora::win32 {

// The active window of ours owns the box, so it lies above that window (also above a topmost
// slideshow) and that window waits for it.
HWND Win32Platform::DialogOwner() const {
  HWND active = GetActiveWindow();
  return active && active != window_ ? active : nullptr;
}

// The style bits are the core's, as they are.
int Win32Platform::MsgBox(const std::string& prompt, int style, const std::string& title) {
  return MessageBoxW(DialogOwner(), Wide(prompt).c_str(), Wide(title).c_str(), static_cast<UINT>(style));
}

void Win32Platform::ShowErrorBox(const ErrorBox& box) { MsgBox(box.text, box.style, box.caption); }

// Opened with the current colour (a system colour as this desktop shows it); the choice comes
// back as an RGB colour word.
bool Win32Platform::ChooseColor(std::int32_t& colour) {
  CHOOSECOLORW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = DialogOwner();
  dialog.rgbResult = ToColorRef(colour);
  dialog.lpCustColors = customColours_;
  dialog.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
  if (!ChooseColorW(&dialog)) return false;
  colour = FromColorRef(dialog.rgbResult);
  return true;
}

}  // namespace velvora::win32
