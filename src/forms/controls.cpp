#include "forms/controls.h"

#include "forms/form.h"
#include "forms/program.h"
#include "runtime/errors.h"

namespace velvora {

void Label::Describe(PropertySink& s) const {
  Control::Describe(s);
  s.Integer("Alignment", static_cast<int>(alignment));
  s.Boolean("AutoSize", autoSize);
  s.Boolean("WordWrap", wordWrap);
}

TextBox::TextBox(Form& form, const ControlDesign& d)
    : Control(form, ControlKind::TextBox, d), text_(d.caption) {}

void TextBox::SetText(std::string_view text) {
  if (text == text_) return;
  text_ = text;
  Changed(Prop::Text);
  RaiseChange();
}

void TextBox::Input(const InputEvent& e) {
  if (e.kind != InputKind::TypeText) return Control::Input(e);
  std::string typed = e.text;
  if (maxLength > 0 && typed.size() > static_cast<std::size_t>(maxLength)) typed.resize(maxLength);
  SetText(typed);
}

void TextBox::Describe(PropertySink& s) const {
  Control::Describe(s);
  s.Text("Text", text_);
  s.Integer("MaxLength", maxLength);
}

void Line::Describe(PropertySink& s) const {
  Control::Describe(s);
  s.Number("X1", x1);
  s.Number("Y1", y1);
  s.Number("X2", x2);
  s.Number("Y2", y2);
  s.Integer("BorderWidth", borderWidth);
}

void CheckBox::SetValue(int value) {
  if (value == value_) return;
  value_ = value;
  Changed(Prop::Value);
  RaiseClick();
}

void CheckBox::Input(const InputEvent& e) {
  if (e.kind != InputKind::Click) return Control::Input(e);
  SetValue(value_ == 1 ? 0 : 1);
}

void CheckBox::Describe(PropertySink& s) const {
  Control::Describe(s);
  s.Integer("Value", value_);
}

void OptionButton::SetValue(bool value) {
  if (value) {
    for (Control* c : Owner().ControlsOf(ControlKind::OptionButton)) {
      auto* other = static_cast<OptionButton*>(c);
      if (other != this && other->Container() == Container() && other->value_) {
        other->value_ = false;
        other->Changed(Prop::Value);
      }
    }
  }
  bool changed = value != value_;
  value_ = value;
  if (changed) Changed(Prop::Value);
  if (value) RaiseClick();
}

void OptionButton::Input(const InputEvent& e) {
  if (e.kind != InputKind::Click) return Control::Input(e);
  SetValue(true);
}

void OptionButton::Describe(PropertySink& s) const {
  Control::Describe(s);
  s.Boolean("Value", value_);
}

void VScrollBar::SetRange(int min, int max) {
  min_ = min;
  max_ = max;
  Changed(Prop::Range);
}

void VScrollBar::SetValue(int value) {
  int lo = std::min(min_, max_), hi = std::max(min_, max_);
  if (value < lo || value > hi) Raise(ErrorNumber::InvalidPropertyValue);
  if (value == value_) return;
  value_ = value;
  Changed(Prop::Value);
  RaiseChange();
}

void VScrollBar::Input(const InputEvent& e) {
  if (e.kind != InputKind::Scroll) return Control::Input(e);
  SetValue(e.value);
}

void VScrollBar::Describe(PropertySink& s) const {
  Control::Describe(s);
  s.Integer("Min", min_);
  s.Integer("Max", max_);
  s.Integer("Value", value_);
}

void Timer::SetInterval(std::int32_t ms) {
  interval_ = ms;
  Owner().TimerChanged(*this);
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Owner().TimerChanged(*this);
}

void Timer::Describe(PropertySink& s) const {
  s.Text("Kind", KindName(Kind()));
  s.Text("Name", Name());
  s.Integer("Interval", interval_);
  s.Boolean("Enabled", enabled_);
}

void CommonDialog::ShowColor() {
  Colour c = color_;
  if (Owner().program().ChooseColor(c)) color_ = c;
}

void CommonDialog::Describe(PropertySink& s) const {
  s.Text("Kind", KindName(Kind()));
  s.Text("Name", Name());
  s.Integer("Color", color_);
}

}  // namespace velvora
