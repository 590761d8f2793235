#include "backends/qt/qt_input.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "backends/qt/qt_units.h"

namespace velvora::qt {

int VirtualKey(int qtKey) {
  // Letters and digits share their codes with the virtual keys.
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
    return qtKey;
  }
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 0x70 + (qtKey - Qt::Key_F1);
  switch (qtKey) {
    case Qt::Key_Backspace: return 0x08;
    case Qt::Key_Tab: case Qt::Key_Backtab: return 0x09;
    case Qt::Key_Return: case Qt::Key_Enter: return 0x0D;
    case Qt::Key_Shift: return 0x10;
    case Qt::Key_Control: return 0x11;
    case Qt::Key_Alt: return 0x12;
    case Qt::Key_Pause: return 0x13;
    case Qt::Key_CapsLock: return 0x14;
    case Qt::Key_Escape: return 0x1B;
    case Qt::Key_Space: return 0x20;
    case Qt::Key_PageUp: return 0x21;
    case Qt::Key_PageDown: return 0x22;
    case Qt::Key_End: return 0x23;
    case Qt::Key_Home: return 0x24;
    case Qt::Key_Left: return 0x25;
    case Qt::Key_Up: return 0x26;
    case Qt::Key_Right: return 0x27;
    case Qt::Key_Down: return 0x28;
    case Qt::Key_Insert: return 0x2D;
    case Qt::Key_Delete: return 0x2E;
    case Qt::Key_Meta: return 0x5B;
    default: return qtKey & 0xFF;
  }
}

int ShiftMask(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
         (modifiers & Qt::AltModifier ? 4 : 0);
}

int ButtonMask(Qt::MouseButtons buttons) {
  return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
         (buttons & Qt::MiddleButton ? 4 : 0);
}

InputEvent KeyDownEvent(const QKeyEvent& event) {
  return {.kind = InputKind::KeyDown, .shift = ShiftMask(event.modifiers()),
          .key = VirtualKey(event.key())};
}

std::optional<InputEvent> KeyPressEvent(const QKeyEvent& event) {
  const QString text = event.text();
  if (text.isEmpty()) return std::nullopt;
  return InputEvent{.kind = InputKind::KeyPress, .key = text.at(0).unicode()};
}

InputEvent PointerEvent(InputKind kind, const QMouseEvent& event) {
  const Qt::MouseButtons buttons = kind == InputKind::MouseMove ? event.buttons() : event.button();
  const QPointF at = event.position();
  return {.kind = kind, .button = ButtonMask(buttons), .shift = ShiftMask(event.modifiers()),
          .x = ToTwips(1) * static_cast<float>(at.x()), .y = ToTwips(1) * static_cast<float>(at.y())};
}

}  // namespace velvora::qt
