#include "forms/form.h"

#include <algorithm>
#include <map>

#include "forms/controls.h"
#include "forms/fx_image.h"
#include "forms/program.h"

namespace velvora {

std::int32_t InitialWindowStyle(const FormDesign& design) {
  return design.border == BorderStyle::None ? kWsPopup : kWsOverlappedWindow;
}

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
  for (Control* image : ControlsOf(ControlKind::FXImage)) static_cast<FXImage*>(image)->BackgroundChanged();
}

void Form::SetWindowState(WindowState s) {
  state_ = s;
  FormChanged(Prop::WindowState);
}

void Form::SetOwnerWindow(Hwnd owner) {
  owner_ = owner;
  FormChanged(Prop::Owner);
}

void Form::PlatformGeometry(float left, float top, float width, float height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (visible_) ReportNewSize();
}

void Form::PlatformVisible(bool visible) {
  visible_ = visible;
  if (visible) ReportNewSize();
}

// Resize events are queued, as the platform delivers them after the call that caused them;
// however many size changes one turn of the event loop sees, the form hears of them once.
void Form::ReportNewSize() {
  if (sizeReported_ && reportedWidth_ == width_ && reportedHeight_ == height_) return;
  sizeReported_ = true;
  reportedWidth_ = width_;
  reportedHeight_ = height_;
  if (resizeQueued_) return;
  resizeQueued_ = true;
  std::weak_ptr<bool> alive = alive_;
  program_.toolkit().Post([this, alive] {
    if (alive.expired()) return;
    resizeQueued_ = false;
    program_.Raise(*this, nullptr, {.kind = InputKind::Resize});
  });
}

void Form::Show() {
  if (visible_) {
    FormChanged(Prop::ZOrder);
    return;
  }
  if (!placed_) PlaceAtStart();
  visible_ = true;
  FormChanged(Prop::Visible);
  ReportNewSize();  // the first showing always reports a size
}

// Centred windows are centred by their outer frame on the screen's work area. None of the
// program's windows is shown with an owner, so "centred over the owner" centres on the screen too.
void Form::PlaceAtStart() {
  placed_ = true;
  if (design_.start == StartPosition::Default || !view_) return;
  const TwipsRect area = program_.toolkit().WorkArea();
  const TwipsRect frame = view_->Frame();
  view_->MoveFrame(area.left + (area.width - frame.width) / 2, area.top + (area.height - frame.height) / 2);
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

std::vector<Control*> Form::TabOrder() const {
  std::vector<Control*> order;
  for (const auto& c : controls_) {
    if (c->TabIndex() >= 0) order.push_back(c.get());
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const Control* a, const Control* b) { return a->TabIndex() < b->TabIndex(); });
  return order;
}

std::vector<Control*> Form::StackingOrder() const {
  std::vector<Control*> order;
  std::map<const Control*, std::vector<Control*>> firstOnTop;  // by picture control
  for (const auto& c : controls_) {
    const Control* container = c->Container();
    if (container && container->Kind() == ControlKind::FXImage) {
      firstOnTop[container].push_back(c.get());
    } else {
      order.push_back(c.get());
    }
  }
  for (auto& [container, children] : firstOnTop) order.insert(order.end(), children.rbegin(), children.rend());
  return order;
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
    case InputKind::CloseBox:
    // A host that goes away takes its embedded window with it, as if closed from its menu.
    case InputKind::HostGone: program_.Unload(*this, kUnloadFromControlMenu); break;
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
  alive_.reset();
  view_.reset();
}

}  // namespace velvora
