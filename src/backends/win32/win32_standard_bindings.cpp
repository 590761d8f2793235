// Bindings of the standard controls to Windows' own controls: STATIC, EDIT, BUTTON (push, check,
// radio, group box), SCROLLBAR, and an owner-drawn STATIC for the line.
#include <algorithm>

#include "backends/win32/win32_control_binding.h"
#include "backends/win32/win32_drawing.h"
#include "backends/win32/win32_form_view.h"
#include "backends/win32/win32_modules.h"
#include "backends/win32/win32_text.h"
#include "forms/controls.h"

namespace velvora::win32 {
namespace {

constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS;

// Themed buttons draw their text in the theme's colour whatever WM_CTLCOLOR* says: where the
// design gives colours of its own, the control keeps the classic look, which honours them.
void KeepDesignColours(HWND window, const Control& control) {
  if (control.ForeColor() == kButtonText && control.BackColor() == kButtonFace) return;
  using SetWindowThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
  static const auto setWindowTheme = Function<SetWindowThemeFn>(LoadSystemComponent(L"uxtheme.dll"), "SetWindowTheme");
  if (setWindowTheme) setWindowTheme(window, L"", L"");
}

DWORD StaticAlignment(Alignment a, bool wrap) {
  switch (a) {
    case Alignment::Right: return SS_RIGHT;
    case Alignment::Center: return SS_CENTER;
    default: return wrap ? SS_LEFT : SS_LEFTNOWORDWRAP;
  }
}

class LabelBinding final : public ControlBinding {
 public:
  LabelBinding(Win32FormView& view, Label& label, HWND parent, UINT id) : ControlBinding(view, label), label_(label) {
    passive = true;
    const DWORD style = kChild | SS_NOTIFY | SS_NOPREFIX | StaticAlignment(label.alignment, label.wordWrap) |
                        (label.border ? WS_BORDER : 0);
    Adopt(CreateSubclassed(*this, L"STATIC", 0, style, parent, id));
  }

  bool Notified(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override {
    if (message != WM_CTLCOLORSTATIC) return false;
    HDC dc = reinterpret_cast<HDC>(wParam);
    if (label_.opaque) {
      result = reinterpret_cast<LRESULT>(Colours(dc, false));
    } else {
      // A label that paints no background shows what it lies on.
      SetTextColor(dc, ToColorRef(label_.ForeColor()));
      SetBkMode(dc, TRANSPARENT);
      result = reinterpret_cast<LRESULT>(BrushOf(Underneath()));
    }
    return true;
  }

 protected:
  void ApplyOwn(Prop what) override {
    if (what == Prop::Caption) {
      SetWindowTextW(window(), CaptionText(label_.Caption()).c_str());
      if (label_.autoSize) ApplyGeometry();
    } else if (what == Prop::Font && label_.autoSize) {
      ApplyGeometry();
    }
  }
  void ApplyGeometry() override {
    ControlBinding::ApplyGeometry();
    if (!label_.autoSize) return;
    // An auto-sized label takes the size of its text.
    HDC dc = GetDC(window());
    HGDIOBJ old = SelectObject(dc, font());
    const std::wstring text = CaptionText(label_.Caption());
    RECT r{0, 0, label_.wordWrap ? units().ToPixels(label_.Width()) : 32767, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_NOPREFIX | (label_.wordWrap ? DT_WORDBREAK : 0));
    SelectObject(dc, old);
    ReleaseDC(window(), dc);
    const int border = label_.border ? 2 * GetSystemMetrics(SM_CXBORDER) : 0;
    SetWindowPos(window(), nullptr, 0, 0, r.right + border, r.bottom + border,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

 private:
  Label& label_;
};

DWORD EditAlignment(Alignment a) {
  switch (a) {
    case Alignment::Right: return ES_RIGHT;
    case Alignment::Center: return ES_CENTER;
    default: return ES_LEFT;
  }
}

class TextBoxBinding final : public ControlBinding {
 public:
  TextBoxBinding(Win32FormView& view, TextBox& box, HWND parent, UINT id) : ControlBinding(view, box), box_(box) {
    Adopt(CreateSubclassed(*this, L"EDIT", WS_EX_CLIENTEDGE,
                           kChild | WS_TABSTOP | ES_AUTOHSCROLL | EditAlignment(box.alignment), parent, id));
    SendMessageW(window(), EM_SETLIMITTEXT, box.maxLength > 0 ? box.maxLength : 32767, 0);
  }
  bool TakesFocus() const override { return true; }

  bool Notified(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override {
    if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC) {
      result = reinterpret_cast<LRESULT>(Colours(reinterpret_cast<HDC>(wParam), true));
      return true;
    }
    if (message != WM_COMMAND || HIWORD(wParam) != EN_CHANGE || applying_) return false;
    Report({.kind = InputKind::TypeText, .text = Utf8(WindowText())});
    return true;
  }

 protected:
  void ApplyOwn(Prop what) override {
    if (what != Prop::Text) return;
    const std::wstring text = Wide(box_.Text());
    if (WindowText() == text) return;
    // The edit reports its own change of text; this one is the model's.
    applying_ = true;
    SetWindowTextW(window(), text.c_str());
    applying_ = false;
  }

 private:
  std::wstring WindowText() const {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window())) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window(), text.data(), static_cast<int>(text.size()))));
    return text;
  }
  TextBox& box_;
  bool applying_ = false;
};

class ButtonBinding final : public ControlBinding {
 public:
  ButtonBinding(Win32FormView& view, CommandButton& button, HWND parent, UINT id) : ControlBinding(view, button) {
    Adopt(CreateSubclassed(*this, L"BUTTON", 0, kChild | WS_TABSTOP | BS_PUSHBUTTON, parent, id));
  }
  bool TakesFocus() const override { return true; }

  bool Notified(UINT message, WPARAM wParam, LPARAM, LRESULT&) override {
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
    Report({.kind = InputKind::Click});
    return true;
  }

 protected:
  void ApplyOwn(Prop what) override {
    if (what == Prop::Caption) SetWindowTextW(window(), CaptionText(control()->Caption()).c_str());
  }
  // Without a dialog manager Enter does not press a button by itself.
  LRESULT Own(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_KEYDOWN && wParam == VK_RETURN) {
      Report({.kind = InputKind::Click});
      return 0;
    }
    return Next(window, message, wParam, lParam);
  }
};

// A frame is drawn here: a group box leaves its inside to its parent (which does not paint under
// its children), and its caption keeps the theme's colour. Inside is the frame's own colour.
class FrameBinding final : public ControlBinding {
 public:
  FrameBinding(Win32FormView& view, Frame& frame, HWND parent, UINT id) : ControlBinding(view, frame), frame_(frame) {
    passive = true;
    Adopt(CreateSubclassed(*this, L"BUTTON", 0, kChild | WS_CLIPCHILDREN | BS_GROUPBOX, parent, id));
  }

 protected:
  void ApplyOwn(Prop what) override {
    if (what == Prop::Caption) SetWindowTextW(window(), CaptionText(frame_.Caption()).c_str());
  }
  LRESULT Own(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_ERASEBKGND: return 1;
      case WM_PRINTCLIENT: Draw(reinterpret_cast<HDC>(wParam)); return 0;
      case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        Draw(dc);
        EndPaint(window, &paint);
        return 0;
      }
      default: return Next(window, message, wParam, lParam);
    }
  }

 private:
  void Draw(HDC dc) {
    RECT client{};
    GetClientRect(window(), &client);
    FillColour(dc, client, ToColorRef(frame_.BackColor()));
    if (!frame_.border) return;
    HGDIOBJ old = SelectObject(dc, font());
    const std::wstring caption = CaptionText(frame_.Caption());
    SIZE text{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
    // The line runs through the middle of the caption, which interrupts it.
    RECT edge = client;
    edge.top = caption.empty() ? 0 : text.cy / 2;
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
    if (!caption.empty()) {
      const int left = 8;
      FillColour(dc, {left - 2, 0, left + text.cx + 2, text.cy}, ToColorRef(frame_.BackColor()));
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, ToColorRef(frame_.ForeColor()));
      TextOutW(dc, left, 0, caption.c_str(), static_cast<int>(caption.size()));
    }
    SelectObject(dc, old);
  }
  Frame& frame_;
};

// A straight line in the fore colour over what lies beneath it; it takes no input.
class LineBinding final : public ControlBinding {
 public:
  LineBinding(Win32FormView& view, Line& line, HWND parent, UINT id) : ControlBinding(view, line), line_(line) {
    Adopt(CreateSubclassed(*this, L"STATIC", 0, kChild | SS_OWNERDRAW, parent, id));
  }
  bool DrawsOverWhatLiesBeneath() const override { return true; }

  bool Notified(UINT message, WPARAM, LPARAM lParam, LRESULT& result) override {
    if (message != WM_DRAWITEM) return false;
    HDC dc = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hDC;
    PaintBeneath(window(), dc);
    LOGBRUSH colour{BS_SOLID, ToColorRef(line_.ForeColor()), 0};
    HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT, static_cast<DWORD>(Width()), &colour, 0, nullptr);
    HGDIOBJ old = SelectObject(dc, pen);
    // A pen of even width lies half on each side of the points: offset it to lie within the box.
    const int half = Width() / 2;
    MoveToEx(dc, from_.x + half, from_.y + half, nullptr);
    LineTo(dc, to_.x + half, to_.y + half);
    SelectObject(dc, old);
    DeleteObject(pen);
    result = TRUE;
    return true;
  }

 protected:
  void ApplyOwn(Prop) override {}
  void ApplyGeometry() override {
    const POINT a{units().ToPixels(line_.x1), units().ToPixels(line_.y1)};
    const POINT b{units().ToPixels(line_.x2), units().ToPixels(line_.y2)};
    const RECT box{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + Width(), std::max(a.y, b.y) + Width()};
    from_ = {a.x - box.left, a.y - box.top};
    to_ = {b.x - box.left, b.y - box.top};
    SetWindowPos(window(), nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }

 private:
  int Width() const { return std::max(1, line_.borderWidth); }
  Line& line_;
  POINT from_{}, to_{};
};

// Check boxes and option buttons: the model decides the value, so after each click the button
// shows the model's value again (an option button clicked twice stays selected).
template <class Model>
class ToggleBinding final : public ControlBinding {
 public:
  ToggleBinding(Win32FormView& view, Model& model, HWND parent, UINT id, DWORD kind)
      : ControlBinding(view, model), model_(model) {
    Adopt(CreateSubclassed(*this, L"BUTTON", 0, kChild | WS_TABSTOP | kind, parent, id));
    KeepDesignColours(window(), model);
  }
  bool TakesFocus() const override { return true; }

  bool Notified(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override {
    if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) {
      result = reinterpret_cast<LRESULT>(Colours(reinterpret_cast<HDC>(wParam), false));
      return true;
    }
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
    Report({.kind = InputKind::Click});
    Apply(Prop::Value);
    return true;
  }

 protected:
  void ApplyOwn(Prop what) override {
    if (what == Prop::Caption) SetWindowTextW(window(), CaptionText(model_.Caption()).c_str());
    if (what != Prop::Value) return;
    WPARAM state = model_.Value() ? BST_CHECKED : BST_UNCHECKED;
    if constexpr (std::is_same_v<Model, CheckBox>) {
      if (model_.Value() == 2) state = BST_INDETERMINATE;
    }
    SendMessageW(window(), BM_SETCHECK, state, 0);
  }

 private:
  Model& model_;
};

// The scroll bar, used as a spinner. A range whose minimum is above its maximum runs the other
// way round: Min stays at the top, where the up arrow leads.
class ScrollBarBinding final : public ControlBinding {
 public:
  ScrollBarBinding(Win32FormView& view, VScrollBar& bar, HWND parent, UINT id) : ControlBinding(view, bar), bar_(bar) {
    Adopt(CreateSubclassed(*this, L"SCROLLBAR", 0, kChild | WS_TABSTOP | SBS_VERT, parent, id));
  }
  bool TakesFocus() const override { return true; }

  bool Notified(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override {
    if (message != WM_VSCROLL) return false;
    SCROLLINFO info{sizeof info, SIF_ALL};
    GetScrollInfo(window(), SB_CTL, &info);
    int position = info.nPos;
    switch (LOWORD(wParam)) {
      case SB_LINEUP: position -= bar_.smallChange; break;
      case SB_LINEDOWN: position += bar_.smallChange; break;
      case SB_PAGEUP: position -= bar_.largeChange; break;
      case SB_PAGEDOWN: position += bar_.largeChange; break;
      case SB_THUMBTRACK:
      case SB_THUMBPOSITION: position = info.nTrackPos; break;
      case SB_TOP: position = info.nMin; break;
      case SB_BOTTOM: position = info.nMax; break;
      default: return false;
    }
    position = std::clamp(position, info.nMin, info.nMax);
    result = 0;
    if (position == info.nPos) return true;
    Report({.kind = InputKind::Scroll, .value = ValueAt(position)});
    Apply(Prop::Value);
    return true;
  }

 protected:
  void ApplyOwn(Prop what) override {
    if (what != Prop::Range && what != Prop::Value) return;
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_POS | SIF_PAGE};
    info.nMin = std::min(bar_.Min(), bar_.Max());
    info.nMax = std::max(bar_.Min(), bar_.Max());
    info.nPage = 0;
    info.nPos = ValueAt(bar_.Value());  // the mapping is its own inverse
    SetScrollInfo(window(), SB_CTL, &info, TRUE);
  }

 private:
  // Between the bar's position (its top is the lower number) and the model's value.
  int ValueAt(int position) const {
    return bar_.Min() > bar_.Max() ? bar_.Min() + bar_.Max() - position : position;
  }
  VScrollBar& bar_;
};

}  // namespace

std::unique_ptr<ControlBinding> BindStandard(Win32FormView& view, Control& c, HWND parent, UINT id) {
  switch (c.Kind()) {
    case ControlKind::Label: return std::make_unique<LabelBinding>(view, static_cast<Label&>(c), parent, id);
    case ControlKind::TextBox: return std::make_unique<TextBoxBinding>(view, static_cast<TextBox&>(c), parent, id);
    case ControlKind::CommandButton:
      return std::make_unique<ButtonBinding>(view, static_cast<CommandButton&>(c), parent, id);
    case ControlKind::Frame: return std::make_unique<FrameBinding>(view, static_cast<Frame&>(c), parent, id);
    case ControlKind::Line: return std::make_unique<LineBinding>(view, static_cast<Line&>(c), parent, id);
    case ControlKind::CheckBox:
      return std::make_unique<ToggleBinding<CheckBox>>(view, static_cast<CheckBox&>(c), parent, id, BS_3STATE);
    case ControlKind::OptionButton:
      return std::make_unique<ToggleBinding<OptionButton>>(view, static_cast<OptionButton&>(c), parent, id,
                                                           BS_RADIOBUTTON);
    case ControlKind::VScrollBar:
      return std::make_unique<ScrollBarBinding>(view, static_cast<VScrollBar&>(c), parent, id);
    default: return nullptr;
  }
}

}  // namespace velvora::win32
