#pragma once
// The forms model's units on Windows: twips to pixels at a window's DPI, colour words to
// COLORREF (system colours from GetSysColor), designer fonts to GDI fonts.
#include <windows.h>

#include <cstdint>

#include "forms/types.h"

namespace velvora::win32 {

// The dots per inch of a window: its monitor's where the system tells per window (Windows 10
// 1607 on), else the screen's.
int DpiOf(HWND window);
int ScreenDpi();

class Units {
 public:
  explicit Units(int dpi = 96) : dpi_(dpi > 0 ? dpi : 96) {}
  int Dpi() const { return dpi_; }
  int ToPixels(float twips) const;
  float ToTwips(int pixels) const;
  // A rectangle given in twips, as whole pixels (edges rounded, so neighbours stay adjacent).
  RECT PixelRect(float left, float top, float width, float height) const;

 private:
  int dpi_;
};

// A system colour as opaque 0xAARRGGBB.
std::uint32_t SystemColourArgb(int index);
COLORREF ToColorRef(Colour colour);
Colour FromColorRef(COLORREF colour);

// A GDI font for a designer font at a DPI; faces Windows may lack (Dauphin, or Arial and Verdana
// under Wine) fall back to the first installed face of a list of look-alikes.
HFONT CreateDesignerFont(const Font& font, int dpi);

// Owns one GDI object.
template <class H>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(H handle) : handle_(handle) {}
  ~GdiObject() { Reset(); }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  H get() const { return handle_; }
  void Reset(H handle = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  H handle_ = nullptr;
};

}  // namespace velvora::win32
