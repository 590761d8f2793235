// A stand-in for the 9x family's password.cpl, which Wine does not have: it answers
// VerifyScreenSavePwd with the number the test put in the window's user data.
#include <windows.h>

extern "C" __declspec(dllexport) BOOL WINAPI VerifyScreenSavePwd(HWND window) {
  return static_cast<BOOL>(GetWindowLongPtrW(window, GWLP_USERDATA));
}
