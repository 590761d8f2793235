// Bindings of the standard controls to Qt's own widgets.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "forms/controls.h"
#include "backends/qt/qt_bindings.h"
#include "backends/qt/qt_units.h"

namespace velvora::qt {
namespace {

Qt::Alignment ToQtAlignment(Alignment a) {
  switch (a) {
    case Alignment::Right: return Qt::AlignRight;
    case Alignment::Center: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
  }
}

QString Text(const std::string& s) { return QString::fromStdString(s); }

class LabelBinding final : public ControlBinding {
 public:
  LabelBinding(QtFormView& view, Label& label, QWidget* parent)
      : ControlBinding(view, label, new QLabel(parent)), label_(label) {
    passive = true;
    auto* w = qlabel();
    w->setTextFormat(Qt::PlainText);
    w->setAlignment(ToQtAlignment(label.alignment) | Qt::AlignTop);
    w->setWordWrap(label.wordWrap);
    w->setAutoFillBackground(label.opaque);
    if (label.border) {
      w->setFrameShape(QFrame::Box);
      w->setLineWidth(1);
    }
  }

 protected:
  void ApplyOwn(Prop what) override {
    if (what == Prop::Caption) {
      qlabel()->setText(Text(label_.Caption()));
      if (label_.autoSize) ApplyGeometry();
    } else if (what == Prop::Font && label_.autoSize) {
      ApplyGeometry();
    }
  }
  void ApplyGeometry() override {
    ControlBinding::ApplyGeometry();
    // An auto-sized label takes the size of its text.
    if (label_.autoSize) qlabel()->resize(qlabel()->sizeHint());
  }

 private:
  QLabel* qlabel() const { return static_cast<QLabel*>(widget()); }
  Label& label_;
};

class TextBoxBinding final : public ControlBinding {
 public:
  TextBoxBinding(QtFormView& view, TextBox& box, QWidget* parent)
      : ControlBinding(view, box, new QLineEdit(parent)), box_(box) {
    auto* edit = static_cast<QLineEdit*>(widget());
    edit->setAlignment(ToQtAlignment(box.alignment) | Qt::AlignVCenter);
    edit->setMaxLength(box.maxLength > 0 ? box.maxLength : 32767);
    QObject::connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) {
      Report({.kind = InputKind::TypeText, .text = text.toStdString()});
    });
  }

 protected:
  void ApplyOwn(Prop what) override {
    if (what != Prop::Text) return;
    auto* edit = static_cast<QLineEdit*>(widget());
    const QString text = Text(box_.Text());
    if (edit->text() != text) edit->setText(text);
  }
  void ApplyColours() override {
    ApplyFieldColours(*widget(), *control());
  }

 private:
  TextBox& box_;
};

class ButtonBinding final : public ControlBinding {
 public:
  ButtonBinding(QtFormView& view, CommandButton& button, QWidget* parent)
      : ControlBinding(view, button, new QPushButton(parent)) {
    QObject::connect(static_cast<QPushButton*>(widget()), &QPushButton::clicked, this,
                     [this] { Report({.kind = InputKind::Click}); });
  }

 protected:
  void ApplyOwn(Prop what) override {
    if (what == Prop::Caption) static_cast<QPushButton*>(widget())->setText(Text(control()->Caption()));
  }
};

class FrameBinding final : public ControlBinding {
 public:
  FrameBinding(QtFormView& view, Frame& frame, QWidget* parent)
      : ControlBinding(view, frame, new QGroupBox(parent)) {
    passive = true;
    widget()->setAutoFillBackground(true);
    static_cast<QGroupBox*>(widget())->setFlat(!frame.border);
  }

 protected:
  void ApplyOwn(Prop what) override {
    if (what == Prop::Caption) static_cast<QGroupBox*>(widget())->setTitle(Text(control()->Caption()));
  }
};

// A straight line in the fore colour; it takes no input.
class LineWidget final : public QWidget {
 public:
  using QWidget::QWidget;
  QPoint from, to;
  QColor colour;
  int width = 1;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(from, to);
  }
};

class LineBinding final : public ControlBinding {
 public:
  LineBinding(QtFormView& view, Line& line, QWidget* parent)
      : ControlBinding(view, line, new LineWidget(parent)), line_(line) {
    widget()->setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void ApplyOwn(Prop) override {}
  void ApplyGeometry() override {
    auto* w = static_cast<LineWidget*>(widget());
    const QPoint a(ToPixels(line_.x1), ToPixels(line_.y1)), b(ToPixels(line_.x2), ToPixels(line_.y2));
    const int pen = std::max(1, line_.borderWidth);
    const QRect box = QRect(a, b).normalized().adjusted(0, 0, pen - 1, pen - 1);
    w->from = a - box.topLeft();
    w->to = b - box.topLeft();
    w->width = pen;
    w->setGeometry(box);
  }
  void ApplyColours() override {
    static_cast<LineWidget*>(widget())->colour = ToQColor(line_.ForeColor());
    widget()->update();
  }

 private:
  Line& line_;
};

// Check boxes and option buttons: the model decides the value, so after each click the widget
// shows the model's value again (an option button clicked twice stays selected).
template <class Model, class Widget>
class ToggleBinding final : public ControlBinding {
 public:
  ToggleBinding(QtFormView& view, Model& model, QWidget* parent)
      : ControlBinding(view, model, new Widget(parent)), model_(model) {
    auto* button = static_cast<Widget*>(widget());
    button->setAutoExclusive(false);
    button->setAutoFillBackground(true);
    QObject::connect(button, &Widget::clicked, this, [this] {
      Report({.kind = InputKind::Click});
      Apply(Prop::Value);
    });
  }

 protected:
  void ApplyOwn(Prop what) override {
    auto* button = static_cast<Widget*>(widget());
    if (what == Prop::Caption) button->setText(Text(model_.Caption()));
    if (what != Prop::Value) return;
    if constexpr (std::is_same_v<Widget, QCheckBox>) {
      button->setCheckState(model_.Value() == 0 ? Qt::Unchecked
                            : model_.Value() == 1 ? Qt::Checked : Qt::PartiallyChecked);
    } else {
      button->setChecked(model_.Value());
    }
  }

 private:
  Model& model_;
};

// The scroll bar, used as a spinner. A range whose minimum is above its maximum runs the
// other way round, as the arrows still move towards Min at the top.
class ScrollBarBinding final : public ControlBinding {
 public:
  ScrollBarBinding(QtFormView& view, VScrollBar& bar, QWidget* parent)
      : ControlBinding(view, bar, new QScrollBar(Qt::Vertical, parent)), bar_(bar) {
    auto* w = static_cast<QScrollBar*>(widget());
    w->setSingleStep(bar.smallChange);
    w->setPageStep(bar.largeChange);
    QObject::connect(w, &QScrollBar::valueChanged, this, [this](int value) {
      Report({.kind = InputKind::Scroll, .value = value});
      Apply(Prop::Value);
    });
  }

 protected:
  void ApplyOwn(Prop what) override {
    auto* w = static_cast<QScrollBar*>(widget());
    const QSignalBlocker quiet(w);
    if (what == Prop::Range) {
      w->setRange(std::min(bar_.Min(), bar_.Max()), std::max(bar_.Min(), bar_.Max()));
      w->setInvertedAppearance(bar_.Min() > bar_.Max());
      w->setInvertedControls(bar_.Min() > bar_.Max());
      w->setValue(bar_.Value());
    } else if (what == Prop::Value) {
      w->setValue(bar_.Value());
    }
  }

 private:
  VScrollBar& bar_;
};

}  // namespace

ControlBinding* BindStandard(QtFormView& view, Control& c, QWidget* parent) {
  switch (c.Kind()) {
    case ControlKind::Label: return new LabelBinding(view, static_cast<Label&>(c), parent);
    case ControlKind::TextBox: return new TextBoxBinding(view, static_cast<TextBox&>(c), parent);
    case ControlKind::CommandButton:
      return new ButtonBinding(view, static_cast<CommandButton&>(c), parent);
    case ControlKind::Frame: return new FrameBinding(view, static_cast<Frame&>(c), parent);
    case ControlKind::Line: return new LineBinding(view, static_cast<Line&>(c), parent);
    case ControlKind::CheckBox:
      return new ToggleBinding<CheckBox, QCheckBox>(view, static_cast<CheckBox&>(c), parent);
    case ControlKind::OptionButton:
      return new ToggleBinding<OptionButton, QRadioButton>(view, static_cast<OptionButton&>(c), parent);
    case ControlKind::VScrollBar:
      return new ScrollBarBinding(view, static_cast<VScrollBar&>(c), parent);
    default: return nullptr;
  }
}

void ApplyFieldColours(QWidget& widget, const Control& control) {
  QPalette palette = widget.palette();
  const Colour back = control.BackColor(), fore = control.ForeColor();
  palette.setColor(QPalette::Base, ToQColor(back == kButtonFace ? kWindowBack : back));
  palette.setColor(QPalette::Text, ToQColor(fore == kButtonText ? kWindowText : fore));
  widget.setPalette(palette);
}

}  // namespace velvora::qt
