#pragma once
// The standard controls: labels, text boxes, buttons, frames, lines, check boxes, option
// buttons, the scroll bar, timers and the colour dialog.
#include <cstdint>
#include <string>

#include "forms/control.h"

namespace velvora {

enum class Alignment { Left = 0, Right = 1, Center = 2 };

class Label : public Control {
 public:
  Label(Form& form, const ControlDesign& d) : Control(form, ControlKind::Label, d) {}
  Alignment alignment = Alignment::Left;
  bool autoSize = false;
  bool opaque = true;      // paints its background
  bool wordWrap = false;
  bool border = false;     // single-line border
  void Describe(PropertySink& sink) const override;
};

class TextBox : public Control {
 public:
  TextBox(Form& form, const ControlDesign& d);
  const std::string& Text() const { return text_; }
  void SetText(std::string_view text);  // raises Change when the text differs
  int maxLength = 0;  // 0: no limit
  Alignment alignment = Alignment::Left;
  void Input(const InputEvent& event) override;
  void Describe(PropertySink& sink) const override;

 private:
  std::string text_;
};

class CommandButton : public Control {
 public:
  CommandButton(Form& form, const ControlDesign& d) : Control(form, ControlKind::CommandButton, d) {}
};

class Frame : public Control {
 public:
  Frame(Form& form, const ControlDesign& d) : Control(form, ControlKind::Frame, d) {}
  bool border = true;
};

// A straight line from (x1, y1) to (x2, y2) in twips; its colour is the fore colour.
class Line : public Control {
 public:
  Line(Form& form, const ControlDesign& d) : Control(form, ControlKind::Line, d) {}
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  int borderWidth = 1;  // pixels
  void Describe(PropertySink& sink) const override;
};

class CheckBox : public Control {
 public:
  CheckBox(Form& form, const ControlDesign& d) : Control(form, ControlKind::CheckBox, d) {}
  int Value() const { return value_; }  // 0 unchecked, 1 checked, 2 greyed
  void SetValue(int value);             // raises Click when it changes
  void Input(const InputEvent& event) override;
  void Describe(PropertySink& sink) const override;

 private:
  int value_ = 0;
};

// Option buttons with the same container form one group: selecting one clears the others.
class OptionButton : public Control {
 public:
  OptionButton(Form& form, const ControlDesign& d) : Control(form, ControlKind::OptionButton, d) {}
  bool Value() const { return value_; }
  // Selecting raises Click (also when code selects it); clearing raises nothing.
  void SetValue(bool value);
  void Input(const InputEvent& event) override;
  void Describe(PropertySink& sink) const override;

 private:
  bool value_ = false;
};

class VScrollBar : public Control {
 public:
  VScrollBar(Form& form, const ControlDesign& d) : Control(form, ControlKind::VScrollBar, d) {}
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Value() const { return value_; }
  void SetRange(int min, int max);
  // A value outside the range raises 380; a change raises Change.
  void SetValue(int value);
  int smallChange = 1;
  int largeChange = 1;
  void Input(const InputEvent& event) override;
  void Describe(PropertySink& sink) const override;

 private:
  int min_ = 0, max_ = 32767, value_ = 0;
};

class Timer : public Control {
 public:
  Timer(Form& form, const ControlDesign& d) : Control(form, ControlKind::Timer, d) {}
  std::int32_t Interval() const { return interval_; }
  bool IsEnabled() const { return enabled_; }
  // Enabling (or a new interval while enabled) restarts the count from now.
  void SetInterval(std::int32_t ms);
  void SetEnabled(bool enabled);
  std::function<void()> OnTimer;
  void Tick() { if (OnTimer) OnTimer(); }
  void Describe(PropertySink& sink) const override;

 private:
  std::int32_t interval_ = 0;
  bool enabled_ = true;
};

// The colour dialog behind a control that has no window area of its own.
class CommonDialog : public Control {
 public:
  CommonDialog(Form& form, const ControlDesign& d) : Control(form, ControlKind::CommonDialog, d) {}
  Colour Color() const { return color_; }
  void SetColor(Colour c) { color_ = c; }
  int flags = 0;
  // Opens the platform's colour dialog with Color; a cancel leaves Color unchanged.
  void ShowColor();
  void Describe(PropertySink& sink) const override;

 private:
  Colour color_ = 0;
};

}  // namespace velvora
