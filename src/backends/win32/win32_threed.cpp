// The 3-D panel and the 3-D button, drawn with GDI: bevels in shades of the face colour, the
// button's bitmap centred under its caption, and the highlight the button reports.
#include "backends/win32/win32_control_binding.h"
#include "backends/win32/win32_drawing.h"
#include "backends/win32/win32_form_view.h"
#include "backends/win32/win32_platform.h"
#include "forms/fx_controls.h"

namespace velvora::win32 {
namespace {

constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS;

RECT Inset(const RECT& r, int by) { return {r.left + by, r.top + by, r.right - by, r.bottom - by}; }

// Our own controls draw into a buffer, which then goes onto the screen at once.
template <class Draw>
LRESULT PaintOrPrint(HWND window, UINT message, WPARAM wParam, Dib& buffer, Draw draw) {
  if (message == WM_PRINTCLIENT) {
    draw(reinterpret_cast<HDC>(wParam));
    return 0;
  }
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client{};
  GetClientRect(window, &client);
  buffer.Reserve(client.right, client.bottom);
  draw(buffer.dc());
  BitBlt(dc, 0, 0, client.right, client.bottom, buffer.dc(), 0, 0, SRCCOPY);
  EndPaint(window, &paint);
  return 0;
}

// A raised 3-D panel with a caption in its middle or at its top; it can hold other controls.
class PanelBinding final : public ControlBinding {
 public:
  PanelBinding(Win32FormView& view, SSPanel& panel, HWND parent, UINT id) : ControlBinding(view, panel), panel_(panel) {
    passive = true;
    Adopt(CreateOurWindow(*this, OurClass(L"Velvora.Panel", CS_DBLCLKS), 0, kChild | WS_CLIPCHILDREN, {}, parent, {},
                          id));
  }

 protected:
  void ApplyOwn(Prop what) override {
    if (what == Prop::Caption) KeepCaptionAsText();
    if (what == Prop::Caption || what == Prop::ForeColor || what == Prop::BackColor) InvalidateRect(window(), nullptr, FALSE);
  }
  LRESULT Own(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_ERASEBKGND: return 1;
      case WM_PAINT:
      case WM_PRINTCLIENT: return PaintOrPrint(window, message, wParam, buffer_, [&](HDC dc) { Draw(dc); });
      default: return Next(window, message, wParam, lParam);
    }
  }

 private:
  void Draw(HDC dc) {
    RECT client{};
    GetClientRect(window(), &client);
    const COLORREF face = ToColorRef(panel_.BackColor());
    FillColour(dc, client, face);
    DrawBevel(dc, client, face, panel_.bevelWidth, false);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(panel_.ForeColor()));
    HGDIOBJ old = SelectObject(dc, font());
    DrawCaption(dc, CaptionText(panel_.Caption()), Inset(client, panel_.bevelWidth + 2),
                DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | (panel_.captionAtTop ? DT_TOP : DT_VCENTER));
    SelectObject(dc, old);
  }
  SSPanel& panel_;
  Dib buffer_;
};

// A 3-D push button with an optional bitmap under its caption; it reports the pointer coming and
// going (highlight) and clicks, its access key included.
class Button3dBinding final : public ControlBinding {
 public:
  Button3dBinding(Win32FormView& view, SSCommand& button, HWND parent, UINT id)
      : ControlBinding(view, button), button_(button) {
    Adopt(CreateOurWindow(*this, OurClass(L"Velvora.Button3D", CS_DBLCLKS), 0, kChild | WS_TABSTOP, {}, parent, {}, id));
    if (PicturePtr picture = view.platform().LoadAsset(button.pictureAsset)) {
      picture_ = Premultiplied(picture->pixels);
      pictureSize_ = {picture->width, picture->height};
    }
  }
  bool TakesFocus() const override { return true; }

 protected:
  void ApplyOwn(Prop what) override {
    if (what == Prop::Caption) KeepCaptionAsText();
    if (what == Prop::Caption || what == Prop::Appearance || what == Prop::ForeColor || what == Prop::BackColor ||
        what == Prop::Font) {
      Redraw();
    }
  }
  void ApplyGeometry() override {
    ControlBinding::ApplyGeometry();
    Redraw();
  }
  LRESULT Own(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_ERASEBKGND: return 1;
      case WM_PAINT:
      case WM_PRINTCLIENT: return PaintOrPrint(window, message, wParam, buffer_, [&](HDC dc) { Draw(dc); });
      case WM_MOUSEMOVE:
        if (!hovering_) {
          hovering_ = true;
          TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
          TrackMouseEvent(&track);
          Report({.kind = InputKind::HighlightOn});
        }
        return 0;
      case WM_MOUSELEAVE:
        hovering_ = false;
        Report({.kind = InputKind::HighlightOff});
        return 0;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        pressed_ = true;
        SetCapture(window);
        SetFocus(window);
        InvalidateRect(window, nullptr, FALSE);
        return 0;
      case WM_LBUTTONUP: {
        if (!pressed_) return 0;
        pressed_ = false;
        ReleaseCapture();
        InvalidateRect(window, nullptr, FALSE);
        RECT client{};
        GetClientRect(window, &client);
        if (PtInRect(&client, {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))})) Click();
        return 0;
      }
      case WM_CAPTURECHANGED:
        pressed_ = false;
        InvalidateRect(window, nullptr, FALSE);
        return 0;
      case WM_KEYDOWN:
        if (wParam == VK_SPACE || wParam == VK_RETURN) Click();
        return 0;
      case WM_SETFOCUS:
      case WM_KILLFOCUS:
      case WM_ENABLE: InvalidateRect(window, nullptr, FALSE); return 0;
      default: return Next(window, message, wParam, lParam);
    }
  }

 private:
  void Click() {
    if (IsWindowEnabled(window())) Report({.kind = InputKind::Click});
  }
  void Redraw() {
    caption_.clear();
    InvalidateRect(window(), nullptr, FALSE);
  }
  void Draw(HDC dc) {
    RECT client{};
    GetClientRect(window(), &client);
    const bool highlighted = button_.Appearance() == 3;
    const COLORREF face = highlighted ? Lighter(ToColorRef(button_.BackColor()), 115) : ToColorRef(button_.BackColor());
    const int bevel = highlighted ? 3 : 2;
    FillColour(dc, client, face);
    const RECT inside = Inset(client, bevel);
    if (!picture_.empty()) {
      // The bitmap lies centred on the face, cut to the button.
      const int saved = SaveDC(dc);
      IntersectClipRect(dc, inside.left, inside.top, inside.right, inside.bottom);
      OffsetViewportOrgEx(dc, (client.right - pictureSize_.cx) / 2, (client.bottom - pictureSize_.cy) / 2, nullptr);
      BlendPixels(dc, {pictureSize_.cx, pictureSize_.cy, picture_.data(), pictureSize_.cx},
                  {0, 0, pictureSize_.cx, pictureSize_.cy}, scratch_);
      RestoreDC(dc, saved);
    }
    DrawBevel(dc, client, face, bevel, pressed_);
    const bool enabled = IsWindowEnabled(window()) != 0;
    const COLORREF text = enabled ? ToColorRef(button_.ForeColor()) : GetSysColor(COLOR_GRAYTEXT);
    const int shift = pressed_ ? 1 : 0;
    constexpr UINT kFormat = DT_CENTER | DT_VCENTER | DT_WORDBREAK;
    if (!picture_.empty()) {
      // Over a bitmap the caption is outlined, so it reads whatever the bitmap holds under it.
      if (caption_.empty()) caption_ = OutlinedText({client.right, client.bottom}, font(), kFormat,
                                                    CaptionText(button_.Caption()), text);
      const int saved = SaveDC(dc);
      OffsetViewportOrgEx(dc, shift, shift, nullptr);
      BlendPixels(dc, {client.right, client.bottom, caption_.data(), client.right}, client, scratch_);
      RestoreDC(dc, saved);
    } else {
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, text);
      HGDIOBJ old = SelectObject(dc, font());
      DrawCaption(dc, CaptionText(button_.Caption()), {shift, shift, client.right + shift, client.bottom + shift},
                  kFormat);
      SelectObject(dc, old);
    }
    if (GetFocus() == window()) {
      const RECT focus = Inset(client, bevel + 2);
      SetTextColor(dc, ToColorRef(button_.ForeColor()));
      DrawFocusRect(dc, &focus);
    }
  }

  SSCommand& button_;
  std::vector<std::uint32_t> picture_;
  SIZE pictureSize_{};
  std::vector<std::uint32_t> caption_;  // the outlined caption over the bitmap, made once per change
  Dib buffer_, scratch_;
  bool hovering_ = false;
  bool pressed_ = false;
};

}  // namespace

std::unique_ptr<ControlBinding> BindThreeD(Win32FormView& view, Control& c, HWND parent, UINT id) {
  switch (c.Kind()) {
    case ControlKind::SSPanel: return std::make_unique<PanelBinding>(view, static_cast<SSPanel&>(c), parent, id);
    case ControlKind::SSCommand: return std::make_unique<Button3dBinding>(view, static_cast<SSCommand&>(c), parent, id);
    default: return nullptr;
  }
}

}  // namespace velvora::win32
