#pragma once
// Win32 input as the forms model reports it: virtual-key codes and typed characters, shift and
// button masks, pointer positions in twips.
#include <windows.h>

#include "backends/win32/win32_units.h"
#include "forms/types.h"

namespace velvora::win32 {

// Shift 1, Ctrl 2, Alt 4, as the keyboard is now.
int ShiftMask();
// Left 1, right 2, middle 4, from a mouse message's key flags.
int ButtonMask(WPARAM keys);

// WM_KEYDOWN/WM_SYSKEYDOWN: the virtual-key code as it is.
InputEvent KeyDownEvent(WPARAM virtualKey);
// WM_CHAR: the typed character.
InputEvent KeyPressEvent(WPARAM character);
// A mouse message's position (client pixels) in twips, with its buttons and shift state.
InputEvent PointerEvent(InputKind kind, WPARAM keys, LPARAM position, const Units& units);

}  // namespace velvora::win32
