#include "backends/win32/win32_input.h"

#include <windowsx.h>

namespace velvora::win32 {

int ShiftMask() {
  const auto down = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
  return (down(VK_SHIFT) ? 1 : 0) | (down(VK_CONTROL) ? 2 : 0) | (down(VK_MENU) ? 4 : 0);
}

int ButtonMask(WPARAM keys) {
  return (keys & MK_LBUTTON ? 1 : 0) | (keys & MK_RBUTTON ? 2 : 0) | (keys & MK_MBUTTON ? 4 : 0);
}

InputEvent KeyDownEvent(WPARAM virtualKey) {
  return {.kind = InputKind::KeyDown, .shift = ShiftMask(), .key = static_cast<int>(virtualKey)};
}

InputEvent KeyPressEvent(WPARAM character) {
  return {.kind = InputKind::KeyPress, .key = static_cast<int>(character)};
}

InputEvent PointerEvent(InputKind kind, WPARAM keys, LPARAM position, const Units& units) {
  return {.kind = kind, .button = ButtonMask(keys), .shift = ShiftMask(),
          .x = units.ToTwips(GET_X_LPARAM(position)), .y = units.ToTwips(GET_Y_LPARAM(position))};
}

}  // namespace velvora::win32
