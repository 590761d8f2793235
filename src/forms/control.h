#pragma once
// The base of every control model: identity, geometry in twips, visibility, font, colours and the
// events every kind may raise. Setters tell the form's view what changed.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/describe.h"
#include "forms/types.h"

namespace velvora {

class Form;

inline constexpr Colour kDefaultColour = SystemColour(0x7FFFFF);  // "use the kind's default"

// A caption's line breaks (CR LF, LF CR, a lone CR or LF) as single LFs, as backends draw them.
std::string CaptionLines(std::string_view caption);

// The designer values of one control, as the form's design tables give them.
struct ControlDesign {
  std::string_view name;
  std::string_view container;  // empty: the form itself
  float left = 0, top = 0, width = 0, height = 0;
  std::string_view caption;    // caption, or text for text boxes
  Font font = {};
  Colour fore = kDefaultColour;
  Colour back = kDefaultColour;
  std::string_view tooltip;
  int tabIndex = -1;
  bool visible = true;
  bool enabled = true;
};

class Control {
 public:
  Control(Form& form, ControlKind kind, const ControlDesign& design);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  ControlKind Kind() const { return kind_; }
  Form& Owner() const { return form_; }
  Control* Container() const { return container_; }

  float Left() const { return left_; }
  float Top() const { return top_; }
  float Width() const { return width_; }
  float Height() const { return height_; }
  void SetLeft(float v);
  void SetTop(float v);
  virtual void SetWidth(float v);
  virtual void SetHeight(float v);
  void Move(float left, float top, float width, float height);

  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);

  const Font& GetFont() const { return font_; }
  void SetFont(const Font& f);
  void SetFontBold(bool bold);
  void SetFontSize(float size);
  Colour ForeColor() const { return fore_; }
  void SetForeColor(Colour c);
  Colour BackColor() const { return back_; }
  void SetBackColor(Colour c);

  // The caption of the kinds that show one (labels, buttons, frames, options, panels).
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);

  const std::string& ToolTipText() const { return tooltip_; }
  int TabIndex() const { return tabIndex_; }

  // Asks the backend to repaint the control now.
  virtual void Refresh();
  // The backend reports the size in pixels it gave the control; controls that draw their own
  // pixels keep it.
  virtual void PlatformPixelSize(int /*width*/, int /*height*/) {}

  // Event handlers, set by the owning form.
  std::function<void()> OnClick;
  std::function<void()> OnDblClick;
  std::function<void()> OnChange;
  std::function<void(int button, int shift, float x, float y)> OnMouseMove;
  std::function<void(int key, int shift)> OnKeyDown;
  std::function<void(int ch)> OnKeyPress;

  // From now on shows what `leader`, a control of the same kind on another form, shows: its
  // caption, font, colours and visibility now and whenever they change, and what its kind adds
  // (a picture control's picture and transition). Place and size stay this control's own.
  // Following ends when either goes away.
  virtual void Follow(Control& leader);
  const Control* Leader() const { return leader_; }

  // Applies user input to the model and raises the matching events (called inside dispatch).
  virtual void Input(const InputEvent& event);
  virtual void Describe(PropertySink& sink) const;

 protected:
  void Changed(Prop what);
  void RaiseClick() { if (OnClick) OnClick(); }
  void RaiseChange() { if (OnChange) OnChange(); }
  const std::vector<Control*>& Followers() const { return followers_; }

 private:
  Form& form_;
  ControlKind kind_;
  std::string name_;
  Control* container_ = nullptr;
  float left_, top_, width_, height_;
  bool visible_, enabled_;
  Font font_;
  Colour fore_, back_;
  std::string caption_;
  std::string tooltip_;
  int tabIndex_;
  Control* leader_ = nullptr;
  std::vector<Control*> followers_;

  void TakeOver(const Control& leader, Prop what);
};

}  // namespace velvora
