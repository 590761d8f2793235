#pragma once
// GDI drawing shared by the controls we draw ourselves: the core's frames copied or blended onto
// a device context, what lies beneath a window that is not opaque, outlined text, bevels.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "effects/transition.h"

namespace velvora::win32 {

// A 32-bit top-down DIB section selected into a memory DC.
class Dib {
 public:
  Dib() = default;
  ~Dib();
  Dib(const Dib&) = delete;
  Dib& operator=(const Dib&) = delete;
  // Makes it at least this size (its contents are then undefined).
  void Reserve(int width, int height);
  HDC dc() const { return dc_; }
  std::uint32_t* Row(int y) const { return pixels_ + static_cast<std::ptrdiff_t>(y) * width_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  void Release();
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  std::uint32_t* pixels_ = nullptr;
  int width_ = 0, height_ = 0;
};

// Copies the part `area` of an opaque image onto `dc`, pixel for pixel (image and DC share their
// coordinates).
void CopyPixels(HDC dc, const effects::ConstImage& image, const RECT& area);
// Blends the part `area` of a premultiplied image over what `dc` holds there.
void BlendPixels(HDC dc, const effects::ConstImage& image, const RECT& area, Dib& scratch);

// Paints onto `dc` (its origin at the window's client origin) what lies beneath the window within
// the DC's clip box: its parent's own drawing and its siblings below it, with their children.
void PaintBeneath(HWND window, HDC dc);

// The area of a paint or print request: the DC's clip box within the window's client area.
RECT PaintArea(HWND window, HDC dc);

// Text drawn with `format` (DrawText flags) in `size`, as premultiplied pixels: the face colour
// over an outline in the contrasting shade (dark under a light face, light under a dark one), so
// it reads on any picture.
std::vector<std::uint32_t> OutlinedText(SIZE size, HFONT font, UINT format, const std::wstring& text,
                                        COLORREF face);

// A shade of a colour, as Qt's lighter and darker make them (factor in percent).
COLORREF Lighter(COLORREF colour, int factor);
COLORREF Darker(COLORREF colour, int factor);
// A raised (or sunken) bevel of `width` pixels inside `rect`, in shades of `face`.
void DrawBevel(HDC dc, const RECT& rect, COLORREF face, int width, bool sunken);

void FillColour(HDC dc, const RECT& rect, COLORREF colour);
// DrawText, with DT_VCENTER also centring text of several lines.
void DrawCaption(HDC dc, const std::wstring& text, RECT rect, UINT format);

// A picture's straight 0xAARRGGBB pixels premultiplied, as GDI blends them.
std::vector<std::uint32_t> Premultiplied(const std::vector<std::uint32_t>& pixels);

}  // namespace velvora::win32
