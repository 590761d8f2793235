#include "forms/form.h"

#include "forms/controls.h"
#include "forms/program.h"

namespace velvora {

Form::Form(Program& program, const FormDesign& d)
    : program_(program),
      design_(d),
      name_(d.name),
      caption_(d.caption),
      back_(d.back),
      state_(d.state),
      width_(d.clientWidth),
      height_(d.clientHeight) {}

Form::~Form() = default;

void Form::FormChanged(Prop what) {
  if (view_) view_->FormChanged(what);
}

void Form::ControlChanged(Control& control, Prop what) {
  if (view_) view_->ControlChanged(control, what);
}

void Form::TimerChanged(Timer& timer) {
  if (view_) program_.toolkit().TimerChanged(timer);
}

void Form::SetCaption(std::string_view caption) {
  caption_ = caption;
  FormChanged(Prop::Caption);
}

void Form::SetBackColor(Colour c) {
  back_ = c;
  FormChanged(Prop::BackColor);
}

void Form::SetWindowState(WindowState s) {
  state_ = s;
  FormChanged(Prop::WindowState);
}

void Form::PlatformGeometry(float left, float top, float width, float height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
}

void Form::Show() {
  if (visible_) {
    FormChanged(Prop::ZOrder);
    return;
  }
  visible_ = true;
  FormChanged(Prop::Visible);
}

void Form::Hide() {
  if (!visible_) return;
  visible_ = false;
  FormChanged(Prop::Visible);
}

void Form::Refresh() { FormChanged(Prop::Repaint); }

Control* Form::Find(std::string_view name) const {
  for (const auto& c : controls_) {
    if (c->Name() == name) return c.get();
  }
  return nullptr;
}

std::vector<Control*> Form::ControlsOf(ControlKind kind) const {
  std::vector<Control*> found;
  for (const auto& c : controls_) {
    if (c->Kind() == kind) found.push_back(c.get());
  }
  return found;
}

void Form::Input(const InputEvent& e) {
  switch (e.kind) {
    case InputKind::Click: Form_Click(); break;
    case InputKind::KeyDown: Form_KeyDown(e.key, e.shift); break;
    case InputKind::KeyPress: Form_KeyPress(e.key); break;
    case InputKind::MouseMove: Form_MouseMove(e.button, e.shift, e.x, e.y); break;
    case InputKind::Resize: Form_Resize(); break;
    case InputKind::CloseBox: program_.Unload(*this, kUnloadFromControlMenu); break;
    default: break;
  }
}

void Form::Describe(PropertySink& s) const {
  s.Text("Name", name_);
  s.Text("Caption", caption_);
  s.Number("Left", left_);
  s.Number("Top", top_);
  s.Number("Width", width_);
  s.Number("Height", height_);
  s.Boolean("Visible", visible_);
  s.Integer("WindowState", static_cast<int>(state_));
  s.Integer("BackColor", back_);
  s.Integer("hWnd", hWnd());
  DescribeVariables(s);
}

void Form::AttachView(std::unique_ptr<FormView> view) { view_ = std::move(view); }

void Form::DetachView() {
  for (Control* c : ControlsOf(ControlKind::Timer)) program_.toolkit().TimerRemoved(*static_cast<Timer*>(c));
  view_.reset();
}

}  // namespace velvora
