#pragma once
// Qt input as the forms model reports it: key codes, shift masks, buttons, pointer positions.
#include <QPointF>
#include <optional>

#include "forms/types.h"

class QKeyEvent;
class QMouseEvent;
class QWidget;

namespace velvora::qt {

// The virtual-key code of a key (letters upper-case, digits, arrows, function keys...).
int VirtualKey(int qtKey);
// Shift 1, Ctrl 2, Alt 4.
int ShiftMask(Qt::KeyboardModifiers modifiers);
// Left 1, right 2, middle 4 (the buttons held, for moves; the button itself, for clicks).
int ButtonMask(Qt::MouseButtons buttons);

InputEvent KeyDownEvent(const QKeyEvent& event);
// The character a key typed, if any.
std::optional<InputEvent> KeyPressEvent(const QKeyEvent& event);
// A pointer event at a position relative to the widget, in twips.
InputEvent PointerEvent(InputKind kind, const QMouseEvent& event);

}  // namespace velvora::qt
