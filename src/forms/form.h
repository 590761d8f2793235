#pragma once
// A window as a model: its designer values, its controls, its event handlers. The backend's
// FormView realises it; the form never asks which backend that is.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "forms/control.h"
#include "forms/form_view.h"

namespace velvora {

class Program;
class Timer;

enum class BorderStyle { None, Fixed, Sizable, FixedDialog, FixedToolWindow };
enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };
enum class StartPosition { Default, CenterOwner, CenterScreen };

inline constexpr int kUnloadFromControlMenu = 0;  // the close box
inline constexpr int kUnloadFromCode = 1;

struct FormDesign {
  std::string_view name;
  std::string_view caption;
  BorderStyle border = BorderStyle::Sizable;
  float clientWidth = 0;   // twips
  float clientHeight = 0;
  Colour back = kButtonFace;
  std::string_view icon;   // asset name
  bool showInTaskbar = true;
  StartPosition start = StartPosition::Default;
  WindowState state = WindowState::Normal;
  bool minButton = true;
  bool maxButton = true;
};

// The style word a form's window starts with, as the window calls read it: a borderless window
// is a pop-up, any other an overlapped window with a caption.
std::int32_t InitialWindowStyle(const FormDesign& design);

class Form {
 public:
  Form(Program& program, const FormDesign& design);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  Program& program() const { return program_; }
  const std::string& Name() const { return name_; }
  const FormDesign& Design() const { return design_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);
  Colour BackColor() const { return back_; }
  void SetBackColor(Colour c);
  WindowState GetWindowState() const { return state_; }
  void SetWindowState(WindowState s);

  // The window's position and size in twips, as the platform last reported them (before the
  // window exists: the design's client area at 0, 0).
  float Left() const { return left_; }
  float Top() const { return top_; }
  float Width() const { return width_; }
  float Height() const { return height_; }
  // The backend reports the geometry the window got; nothing is echoed back to it. A new size
  // while the window is visible queues a Resize event.
  void PlatformGeometry(float left, float top, float width, float height);
  // The backend reports that the window was shown or hidden by a system call. The first
  // showing always queues a Resize event.
  void PlatformVisible(bool visible);

  // Another program's window that owns this one, as a host names it (0: none). Owned windows
  // stay above their owner and go when it goes.
  Hwnd OwnerWindow() const { return owner_; }
  void SetOwnerWindow(Hwnd owner);

  bool Visible() const { return visible_; }
  // Modeless; an already visible window comes to the front. The first showing places the window
  // where its design's start-up position says.
  void Show();
  void Hide();
  void Refresh();
  Hwnd hWnd() const { return view_ ? view_->WindowHandle() : 0; }

  Control* Find(std::string_view name) const;
  std::vector<Control*> ControlsOf(ControlKind kind) const;
  // The controls that take the focus (those with a tab index), in tab order.
  std::vector<Control*> TabOrder() const;
  // Every control, from the bottom of the stack to the top. Among the controls of one
  // container a later one lies above an earlier one, except inside a picture control, where the
  // first lies on top (the text line over the slideshow picture, that over the design picture).
  std::vector<Control*> StackingOrder() const;
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

  // Event handlers; a form overrides the ones it handles.
  virtual void Form_Load() {}
  virtual void Form_Resize() {}
  virtual void Form_QueryUnload(int& /*cancel*/, int /*unloadMode*/) {}
  virtual void Form_Unload(int& /*cancel*/) {}
  virtual void Form_Click() {}
  virtual void Form_KeyDown(int /*key*/, int /*shift*/) {}
  virtual void Form_KeyPress(int /*ch*/) {}
  virtual void Form_MouseMove(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {}
  // The desktop's monitors changed (Program::MonitorsChanged).
  virtual void Form_MonitorsChanged() {}

  // Input on the form itself (not on a control); runs inside dispatch.
  void Input(const InputEvent& event);
  // The form's properties, then its own variables (DescribeVariables).
  void Describe(PropertySink& sink) const;
  virtual void DescribeVariables(PropertySink& /*sink*/) const {}

  // Called by the controls and the program.
  void ControlChanged(Control& control, Prop what);
  void TimerChanged(Timer& timer);
  void AttachView(std::unique_ptr<FormView> view);
  void DetachView();
  FormView* View() const { return view_.get(); }

 protected:
  template <class C>
  C& Add(const ControlDesign& d) {
    auto control = std::make_unique<C>(*this, d);
    C& ref = *control;
    controls_.push_back(std::move(control));
    return ref;
  }

 private:
  void FormChanged(Prop what);
  void PlaceAtStart();
  // Queues one Resize event when the size differs from the one last reported.
  void ReportNewSize();

  Program& program_;
  FormDesign design_;
  std::string name_;
  std::string caption_;
  Colour back_;
  WindowState state_;
  Hwnd owner_ = 0;
  float left_ = 0, top_ = 0, width_, height_;
  bool visible_ = false;
  bool placed_ = false;
  bool sizeReported_ = false;
  float reportedWidth_ = 0, reportedHeight_ = 0;
  bool resizeQueued_ = false;
  // Work queued for the next turn of the event loop holds a weak copy: once the form is
  // unloaded the work finds it gone.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  std::vector<std::unique_ptr<Control>> controls_;
  std::unique_ptr<FormView> view_;
};

}  // namespace velvora
