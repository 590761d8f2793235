#pragma once
// The binding makers, one per family of control kinds; Bind (qt_control_binding.h) picks one.
#include "backends/qt/qt_control_binding.h"

namespace velvora::qt {

// Labels, text boxes, push buttons, frames, lines, check boxes, option buttons, scroll bars.
ControlBinding* BindStandard(QtFormView& view, Control& control, QWidget* parent);
// The sorted list box and the file, folder and drive lists.
ControlBinding* BindList(QtFormView& view, Control& control, QWidget* parent);
// The picture control, the styled label, the 3-D panel and the 3-D button.
ControlBinding* BindFx(QtFormView& view, Control& control, QWidget* parent);

// Field-like controls (text boxes, lists) show the platform's field colours where the design
// keeps the generic default colours.
void ApplyFieldColours(QWidget& widget, const Control& control);

}  // namespace velvora::qt
