// Bindings of the picture control and the styled label to windows of our own that draw what the
// core gives them: the picture control's current frame, and the label's outlined text, each over
// what lies beneath it where it is not opaque.
#include "backends/win32/win32_control_binding.h"
#include "backends/win32/win32_drawing.h"
#include "backends/win32/win32_form_view.h"
#include "forms/fx_controls.h"

namespace velvora::win32 {
namespace {

constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS;

// Paints into a buffer first where the window shows what lies beneath it, so nothing flickers.
template <class Draw>
void PaintBuffered(HWND window, Dib& buffer, Draw draw) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  const RECT area = paint.rcPaint;
  const int w = area.right - area.left, h = area.bottom - area.top;
  if (w > 0 && h > 0) {
    buffer.Reserve(w, h);
    const int saved = SaveDC(buffer.dc());
    SetViewportOrgEx(buffer.dc(), -area.left, -area.top, nullptr);
    IntersectClipRect(buffer.dc(), area.left, area.top, area.right, area.bottom);
    draw(buffer.dc(), area);
    BitBlt(dc, area.left, area.top, w, h, buffer.dc(), area.left, area.top, SRCCOPY);
    RestoreDC(buffer.dc(), saved);
  }
  EndPaint(window, &paint);
}

// The frame comes from the model; the window only shows it. An opaque frame of the window's size
// is copied alone, without what lies beneath it.
class FxImageBinding final : public ControlBinding {
 public:
  FxImageBinding(Win32FormView& view, FXImage& image, HWND parent, UINT id) : ControlBinding(view, image), image_(image) {
    passive = true;
    Adopt(CreateOurWindow(*this, OurClass(L"Velvora.Picture", CS_DBLCLKS), 0, kChild | WS_CLIPCHILDREN, {}, parent, {},
                          id));
  }
  bool DrawsOverWhatLiesBeneath() const override { return control() && !Opaque(image_.CurrentFrame()); }

 protected:
  void ApplyOwn(Prop what) override {
    if (what != Prop::Frame) return;
    // The controls it holds, and the windows over it that show it, are drawn over the new frame.
    RedrawWindow(window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    view()->InvalidateAbove(window());
  }
  LRESULT Own(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_ERASEBKGND: return 1;
      case WM_PAINT: {
        const effects::ConstImage frame = image_.CurrentFrame();
        if (Opaque(frame)) {
          PAINTSTRUCT paint;
          HDC dc = BeginPaint(window, &paint);
          CopyPixels(dc, frame, paint.rcPaint);
          EndPaint(window, &paint);
        } else {
          PaintBuffered(window, buffer_, [&](HDC dc, const RECT& area) { Draw(dc, frame, area); });
        }
        return 0;
      }
      case WM_PRINTCLIENT: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        Draw(dc, image_.CurrentFrame(), PaintArea(window, dc));
        return 0;
      }
      default: return Next(window, message, wParam, lParam);
    }
  }

 private:
  bool Opaque(const effects::ConstImage& frame) const {
    RECT client{};
    GetClientRect(window(), &client);
    return image_.FrameOpaque() && frame.width == client.right && frame.height == client.bottom;
  }
  void Draw(HDC dc, const effects::ConstImage& frame, const RECT& area) {
    if (Opaque(frame)) {
      CopyPixels(dc, frame, area);
      return;
    }
    PaintBeneath(window(), dc);
    BlendPixels(dc, frame, area, scratch_);
  }

  FXImage& image_;
  Dib buffer_, scratch_;
};

// Centred text in its fore colour over an outline in the contrasting shade, over whatever lies
// beneath it; transparent to the pointer, which belongs to the picture under it.
class FxLabelBinding final : public ControlBinding {
 public:
  FxLabelBinding(Win32FormView& view, FXLabel& label, HWND parent, UINT id) : ControlBinding(view, label) {
    Adopt(CreateOurWindow(*this, OurClass(L"Velvora.StyledLabel"), 0, kChild, {}, parent, {}, id));
  }
  bool DrawsOverWhatLiesBeneath() const override { return true; }

 protected:
  void ApplyOwn(Prop what) override {
    if (what == Prop::Caption) KeepCaptionAsText();
    if (what == Prop::Caption || what == Prop::ForeColor || what == Prop::Font) Redraw();
  }
  void ApplyGeometry() override {
    ControlBinding::ApplyGeometry();
    Redraw();
  }
  LRESULT Own(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_NCHITTEST: return HTTRANSPARENT;
      case WM_ERASEBKGND: return 1;
      case WM_PAINT: PaintBuffered(window, buffer_, [&](HDC dc, const RECT& area) { Draw(dc, area); }); return 0;
      case WM_PRINTCLIENT: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        Draw(dc, PaintArea(window, dc));
        return 0;
      }
      default: return Next(window, message, wParam, lParam);
    }
  }

 private:
  void Redraw() {
    drawn_.clear();
    InvalidateRect(window(), nullptr, FALSE);
  }
  void Draw(HDC dc, const RECT& area) {
    RECT client{};
    GetClientRect(window(), &client);
    // The outlined text is made once per change: the picture under it may repaint every frame.
    if (drawn_.empty() && control()) {
      drawn_ = OutlinedText({client.right, client.bottom}, font(), DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_NOPREFIX,
                            CaptionText(control()->Caption()), ToColorRef(control()->ForeColor()));
    }
    PaintBeneath(window(), dc);
    if (drawn_.size() == static_cast<std::size_t>(client.right) * static_cast<std::size_t>(client.bottom)) {
      BlendPixels(dc, {client.right, client.bottom, drawn_.data(), client.right}, area, scratch_);
    }
  }

  std::vector<std::uint32_t> drawn_;
  Dib buffer_, scratch_;
};

}  // namespace

std::unique_ptr<ControlBinding> BindFx(Win32FormView& view, Control& c, HWND parent, UINT id) {
  switch (c.Kind()) {
    case ControlKind::FXImage: return std::make_unique<FxImageBinding>(view, static_cast<FXImage&>(c), parent, id);
    case ControlKind::FXLabel: return std::make_unique<FxLabelBinding>(view, static_cast<FXLabel&>(c), parent, id);
    default: return BindThreeD(view, c, parent, id);
  }
}

}  // namespace velvora::win32
