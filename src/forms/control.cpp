#include "forms/control.h"

#include <stdexcept>

#include "forms/form.h"

namespace velvora {

const char* KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label: return "Label";
    case ControlKind::TextBox: return "TextBox";
    case ControlKind::ListBox: return "ListBox";
    case ControlKind::FileList: return "FileListBox";
    case ControlKind::DirList: return "DirListBox";
    case ControlKind::DriveList: return "DriveListBox";
    case ControlKind::OptionButton: return "OptionButton";
    case ControlKind::CheckBox: return "CheckBox";
    case ControlKind::CommandButton: return "CommandButton";
    case ControlKind::Frame: return "Frame";
    case ControlKind::Line: return "Line";
    case ControlKind::VScrollBar: return "VScrollBar";
    case ControlKind::Timer: return "Timer";
    case ControlKind::CommonDialog: return "CommonDialog";
    case ControlKind::FXImage: return "FXImage";
    case ControlKind::FXLabel: return "FXLabel";
    case ControlKind::SSPanel: return "SSPanel";
    case ControlKind::SSCommand: return "SSCommand";
  }
  return "";
}

std::string CaptionLines(std::string_view caption) {
  std::string lines;
  lines.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    const char c = caption[i];
    if (c != '\r' && c != '\n') {
      lines += c;
      continue;
    }
    lines += '\n';
    // The other half of a CR LF or LF CR pair belongs to the same break.
    if (i + 1 < caption.size() && (caption[i + 1] == '\r' || caption[i + 1] == '\n') && caption[i + 1] != c) ++i;
  }
  return lines;
}

Control::Control(Form& form, ControlKind kind, const ControlDesign& d)
    : form_(form),
      kind_(kind),
      name_(d.name),
      container_(d.container.empty() ? nullptr : form.Find(d.container)),
      left_(d.left),
      top_(d.top),
      width_(d.width),
      height_(d.height),
      visible_(d.visible),
      enabled_(d.enabled),
      font_(d.font),
      fore_(d.fore == kDefaultColour ? kButtonText : d.fore),
      back_(d.back == kDefaultColour ? kButtonFace : d.back),
      caption_(d.caption),
      tooltip_(d.tooltip),
      tabIndex_(d.tabIndex) {}

Control::~Control() {
  if (leader_) std::erase(leader_->followers_, this);
  for (Control* follower : followers_) follower->leader_ = nullptr;
}

void Control::Follow(Control& leader) {
  if (leader.kind_ != kind_ || &leader == this || leader_) {
    throw std::logic_error("a control follows one other control of its kind");
  }
  leader_ = &leader;
  leader.followers_.push_back(this);
  for (Prop what : {Prop::Caption, Prop::Font, Prop::ForeColor, Prop::BackColor, Prop::Visible}) TakeOver(leader, what);
}

void Control::TakeOver(const Control& leader, Prop what) {
  switch (what) {
    case Prop::Caption: SetCaption(leader.caption_); break;
    case Prop::Font: SetFont(leader.font_); break;
    case Prop::ForeColor: SetForeColor(leader.fore_); break;
    case Prop::BackColor: SetBackColor(leader.back_); break;
    case Prop::Visible: SetVisible(leader.visible_); break;
    default: break;  // place and size are the follower's own
  }
}

void Control::Changed(Prop what) {
  form_.ControlChanged(*this, what);
  for (Control* follower : followers_) follower->TakeOver(*this, what);
}

void Control::SetLeft(float v) { left_ = v; Changed(Prop::Geometry); }
void Control::SetTop(float v) { top_ = v; Changed(Prop::Geometry); }
void Control::SetWidth(float v) { width_ = v; Changed(Prop::Geometry); }
void Control::SetHeight(float v) { height_ = v; Changed(Prop::Geometry); }
void Control::Move(float left, float top, float width, float height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Changed(Prop::Geometry);
}

void Control::SetVisible(bool v) { visible_ = v; Changed(Prop::Visible); }
void Control::SetEnabled(bool v) { enabled_ = v; Changed(Prop::Enabled); }
void Control::SetFont(const Font& f) { font_ = f; Changed(Prop::Font); }
void Control::SetFontBold(bool bold) { font_.bold = bold; Changed(Prop::Font); }
void Control::SetFontSize(float size) { font_.size = size; Changed(Prop::Font); }
void Control::SetForeColor(Colour c) { fore_ = c; Changed(Prop::ForeColor); }
void Control::SetBackColor(Colour c) { back_ = c; Changed(Prop::BackColor); }
void Control::SetCaption(std::string_view caption) {
  caption_ = caption;
  Changed(Prop::Caption);
}
void Control::Refresh() { Changed(Prop::Repaint); }

void Control::Input(const InputEvent& e) {
  switch (e.kind) {
    case InputKind::Click: RaiseClick(); break;
    case InputKind::DblClick: if (OnDblClick) OnDblClick(); break;
    case InputKind::MouseMove: if (OnMouseMove) OnMouseMove(e.button, e.shift, e.x, e.y); break;
    case InputKind::KeyDown: if (OnKeyDown) OnKeyDown(e.key, e.shift); break;
    case InputKind::KeyPress: if (OnKeyPress) OnKeyPress(e.key); break;
    default: break;
  }
}

void Control::Describe(PropertySink& s) const {
  s.Text("Kind", KindName(kind_));
  s.Text("Name", name_);
  s.Text("Container", container_ ? container_->Name() : "");
  s.Number("Left", left_);
  s.Number("Top", top_);
  s.Number("Width", width_);
  s.Number("Height", height_);
  s.Boolean("Visible", visible_);
  s.Boolean("Enabled", enabled_);
  s.Text("FontName", font_.name);
  s.Number("FontSize", font_.size);
  s.Boolean("FontBold", font_.bold);
  s.Boolean("FontItalic", font_.italic);
  s.Boolean("FontUnderline", font_.underline);
  s.Integer("ForeColor", fore_);
  s.Integer("BackColor", back_);
  s.Text("Caption", caption_);
  s.Text("ToolTipText", tooltip_);
  s.Integer("TabIndex", tabIndex_);
}

}  // namespace velvora
