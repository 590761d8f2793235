#include "backends/win32/win32_drawing.h"

#include <algorithm>
#include <cstring>

namespace velvora::win32 {
namespace {

BITMAPINFO TopDown(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// The part of `area` inside the image.
RECT Within(const effects::ConstImage& image, const RECT& area) {
  return {std::max(area.left, 0L), std::max(area.top, 0L), std::min(area.right, static_cast<LONG>(image.width)),
          std::min(area.bottom, static_cast<LONG>(image.height))};
}

// Perceived brightness: pure green is light, dark blue is dark.
bool IsLight(COLORREF c) { return 299 * GetRValue(c) + 587 * GetGValue(c) + 114 * GetBValue(c) >= 128000; }

struct Hsv {
  int h, s, v;
};

Hsv ToHsv(COLORREF c) {
  const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
  const int max = std::max({r, g, b}), min = std::min({r, g, b}), delta = max - min;
  Hsv hsv{0, max == 0 ? 0 : delta * 255 / max, max};
  if (delta == 0) return hsv;
  int h = max == r ? 60 * (g - b) / delta : max == g ? 120 + 60 * (b - r) / delta : 240 + 60 * (r - g) / delta;
  hsv.h = (h + 360) % 360;
  return hsv;
}

COLORREF FromHsv(const Hsv& hsv) {
  const int c = hsv.v * hsv.s / 255;
  const int x = c * (60 - std::abs(hsv.h % 120 - 60)) / 60;
  const int m = hsv.v - c;
  int r = 0, g = 0, b = 0;
  switch (hsv.h / 60) {
    case 0: r = c; g = x; break;
    case 1: r = x; g = c; break;
    case 2: g = c; b = x; break;
    case 3: g = x; b = c; break;
    case 4: r = x; b = c; break;
    default: r = c; b = x; break;
  }
  return RGB(r + m, g + m, b + m);
}

}  // namespace

// ---- DIB sections ----

Dib::~Dib() { Release(); }

void Dib::Release() {
  if (dc_) {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  if (bitmap_) DeleteObject(bitmap_);
  dc_ = nullptr;
  bitmap_ = nullptr;
  pixels_ = nullptr;
  width_ = height_ = 0;
}

void Dib::Reserve(int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (dc_ && width <= width_ && height <= height_) return;
  Release();
  const BITMAPINFO info = TopDown(width, height);
  void* bits = nullptr;
  dc_ = CreateCompatibleDC(nullptr);
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dc_ || !bitmap_) {
    Release();
    return;
  }
  old_ = SelectObject(dc_, bitmap_);
  pixels_ = static_cast<std::uint32_t*>(bits);
  width_ = width;
  height_ = height;
}

// ---- pixels ----

void CopyPixels(HDC dc, const effects::ConstImage& image, const RECT& area) {
  const RECT r = Within(image, area);
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  // The rows from the area's top, so the source rectangle starts at the first row either way
  // a system reads a top-down picture.
  const BITMAPINFO info = TopDown(static_cast<int>(image.stride), h);
  StretchDIBits(dc, r.left, r.top, w, h, r.left, 0, w, h, image.Row(r.top), &info, DIB_RGB_COLORS, SRCCOPY);
}

void BlendPixels(HDC dc, const effects::ConstImage& image, const RECT& area, Dib& scratch) {
  const RECT r = Within(image, area);
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  scratch.Reserve(w, h);
  if (!scratch.dc()) return;
  for (int y = 0; y < h; ++y) {
    std::memcpy(scratch.Row(y), image.Row(r.top + y) + r.left, static_cast<std::size_t>(w) * 4);
  }
  GdiFlush();
  const BLENDFUNCTION over{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  GdiAlphaBlend(dc, r.left, r.top, w, h, scratch.dc(), 0, 0, w, h, over);
}

RECT PaintArea(HWND window, HDC dc) {
  RECT client{}, clip{}, area{};
  GetClientRect(window, &client);
  if (GetClipBox(dc, &clip) == NULLREGION) return {};
  IntersectRect(&area, &client, &clip);
  return area;
}

// ---- what lies beneath ----

void PaintBeneath(HWND window, HDC dc) {
  HWND parent = GetAncestor(window, GA_PARENT);
  if (!parent) return;
  POINT origin{0, 0};
  MapWindowPoints(window, parent, &origin, 1);
  const int saved = SaveDC(dc);
  OffsetViewportOrgEx(dc, -origin.x, -origin.y, nullptr);
  // The DC now has the parent's client coordinates.
  SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
  std::vector<HWND> below;
  for (HWND sibling = GetWindow(window, GW_HWNDNEXT); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    below.push_back(sibling);
  }
  RECT clip{};
  GetClipBox(dc, &clip);
  for (auto it = below.rbegin(); it != below.rend(); ++it) {
    if (!IsWindowVisible(*it)) continue;
    RECT bounds{}, overlap{};
    GetWindowRect(*it, &bounds);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
    if (!IntersectRect(&overlap, &bounds, &clip)) continue;
    const int inner = SaveDC(dc);
    OffsetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
    IntersectClipRect(dc, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top);
    SendMessageW(*it, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_NONCLIENT | PRF_CHILDREN | PRF_ERASEBKGND);
    RestoreDC(dc, inner);
  }
  RestoreDC(dc, saved);
}

// ---- outlined text ----

std::vector<std::uint32_t> OutlinedText(SIZE size, HFONT font, UINT format, const std::wstring& text, COLORREF face) {
  const int width = std::max(0L, size.cx), height = std::max(0L, size.cy);
  std::vector<std::uint32_t> out(static_cast<std::size_t>(width) * height, 0);
  if (text.empty() || width == 0 || height == 0) return out;
  // The coverage of the face: white text on black, in grey levels.
  LOGFONTW logical{};
  GetObjectW(font, sizeof logical, &logical);
  logical.lfQuality = ANTIALIASED_QUALITY;
  HFONT grey = CreateFontIndirectW(&logical);
  Dib mask;
  mask.Reserve(width, height);
  if (!mask.dc()) {
    DeleteObject(grey);
    return out;
  }
  HGDIOBJ old = SelectObject(mask.dc(), grey);
  TEXTMETRICW metrics{};
  GetTextMetricsW(mask.dc(), &metrics);
  const int radius = std::max(1, static_cast<int>(metrics.tmHeight) / 14);
  FillColour(mask.dc(), {0, 0, width, height}, RGB(0, 0, 0));
  SetTextColor(mask.dc(), RGB(255, 255, 255));
  SetBkMode(mask.dc(), TRANSPARENT);
  DrawCaption(mask.dc(), text, {radius, radius, width - radius, height - radius}, format);
  GdiFlush();
  SelectObject(mask.dc(), old);
  DeleteObject(grey);

  std::vector<std::uint8_t> cover(out.size());
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) cover[static_cast<std::size_t>(y) * width + x] = (mask.Row(y)[x] >> 8) & 0xFF;
  }
  const COLORREF outline = IsLight(face) ? RGB(0, 0, 0) : RGB(255, 255, 255);
  constexpr int kOutlineAlpha = 200;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      int ring = 0;
      for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
          const int sx = x - dx, sy = y - dy;
          if (dx * dx + dy * dy > radius * radius + radius || sx < 0 || sy < 0 || sx >= width || sy >= height) continue;
          ring = std::max<int>(ring, cover[static_cast<std::size_t>(sy) * width + sx]);
        }
      }
      const int f = cover[static_cast<std::size_t>(y) * width + x];
      const int o = ring * kOutlineAlpha / 255 * (255 - f) / 255;  // the outline shows where the face does not
      const int a = f + o;
      if (a == 0) continue;
      const auto channel = [&](int faceC, int outlineC) { return std::min(a, (faceC * f + outlineC * o) / 255); };
      out[static_cast<std::size_t>(y) * width + x] =
          static_cast<std::uint32_t>(a) << 24 | static_cast<std::uint32_t>(channel(GetRValue(face), GetRValue(outline))) << 16 |
          static_cast<std::uint32_t>(channel(GetGValue(face), GetGValue(outline))) << 8 |
          static_cast<std::uint32_t>(channel(GetBValue(face), GetBValue(outline)));
    }
  }
  return out;
}

// ---- shades and bevels ----

COLORREF Lighter(COLORREF colour, int factor) {
  Hsv hsv = ToHsv(colour);
  hsv.v = hsv.v * factor / 100;
  if (hsv.v > 255) {
    hsv.s = std::max(0, hsv.s - (hsv.v - 255));
    hsv.v = 255;
  }
  return FromHsv(hsv);
}

COLORREF Darker(COLORREF colour, int factor) {
  Hsv hsv = ToHsv(colour);
  hsv.v = hsv.v * 100 / factor;
  return FromHsv(hsv);
}

void FillColour(HDC dc, const RECT& rect, COLORREF colour) {
  const COLORREF old = SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  SetBkColor(dc, old);
}

void DrawCaption(HDC dc, const std::wstring& text, RECT rect, UINT format) {
  if ((format & DT_VCENTER) && !(format & DT_SINGLELINE)) {
    // DrawText centres only single lines; several are centred by their measured height.
    RECT measured = rect;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, format | DT_CALCRECT);
    rect.top += std::max(0L, ((rect.bottom - rect.top) - (measured.bottom - measured.top)) / 2);
  }
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

std::vector<std::uint32_t> Premultiplied(const std::vector<std::uint32_t>& pixels) {
  std::vector<std::uint32_t> out(pixels.size());
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const std::uint32_t p = pixels[i], a = p >> 24;
    const auto scale = [a](std::uint32_t c) { return (c * a + 127) / 255; };
    out[i] = a << 24 | scale((p >> 16) & 0xFF) << 16 | scale((p >> 8) & 0xFF) << 8 | scale(p & 0xFF);
  }
  return out;
}

void DrawBevel(HDC dc, const RECT& rect, COLORREF face, int width, bool sunken) {
  const COLORREF light = Lighter(face, 160), dark = Darker(face, 200);
  const COLORREF topLeft = sunken ? dark : light, bottomRight = sunken ? light : dark;
  for (int i = 0; i < width; ++i) {
    const RECT r{rect.left + i, rect.top + i, rect.right - i, rect.bottom - i};
    if (r.right - r.left < 2 || r.bottom - r.top < 2) break;
    FillColour(dc, {r.left, r.top, r.right, r.top + 1}, topLeft);
    FillColour(dc, {r.left, r.top, r.left + 1, r.bottom}, topLeft);
    FillColour(dc, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    FillColour(dc, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
  }
}

}  // namespace velvora::win32
