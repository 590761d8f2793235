#include "backends/win32/win32_units.h"

#include <cmath>
#include <string>
#include <vector>

#include "backends/win32/win32_modules.h"
#include "backends/win32/win32_text.h"

namespace velvora::win32 {
namespace {

constexpr int kTwipsPerInch = 1440;

// Look-alikes for the designer faces, the designer face first.
std::vector<std::wstring> FacesFor(const std::string& name) {
  if (name == "Arial") return {L"Arial", L"Liberation Sans", L"Arimo", L"Tahoma"};
  if (name == "Verdana") return {L"Verdana", L"DejaVu Sans", L"Tahoma"};
  if (name == "MS Sans Serif") return {L"MS Sans Serif", L"Microsoft Sans Serif", L"Liberation Sans", L"Tahoma"};
  if (name == "Dauphin") return {L"Dauphin", L"Monotype Corsiva", L"Segoe Script", L"URW Chancery L", L"Z003"};
  return {Wide(name)};
}

int CALLBACK FoundFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool Installed(HDC dc, const std::wstring& face) {
  LOGFONTW query{};
  query.lfCharSet = DEFAULT_CHARSET;
  face.copy(query.lfFaceName, LF_FACESIZE - 1);
  bool found = false;
  EnumFontFamiliesExW(dc, &query, FoundFace, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

std::wstring InstalledFace(const std::string& name) {
  const std::vector<std::wstring> faces = FacesFor(name);
  HDC screen = GetDC(nullptr);
  std::wstring chosen = faces.front();
  for (const std::wstring& face : faces) {
    if (Installed(screen, face)) {
      chosen = face;
      break;
    }
  }
  ReleaseDC(nullptr, screen);
  return chosen;
}

}  // namespace

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

int DpiOf(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = Function<GetDpiForWindowFn>(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
  if (getDpiForWindow && window) {
    if (const UINT dpi = getDpiForWindow(window)) return static_cast<int>(dpi);
  }
  return ScreenDpi();
}

int Units::ToPixels(float twips) const {
  return static_cast<int>(std::lround(static_cast<double>(twips) * dpi_ / kTwipsPerInch));
}

float Units::ToTwips(int pixels) const {
  return static_cast<float>(static_cast<double>(pixels) * kTwipsPerInch / dpi_);
}

RECT Units::PixelRect(float left, float top, float width, float height) const {
  return {ToPixels(left), ToPixels(top), ToPixels(left + width), ToPixels(top + height)};
}

std::uint32_t SystemColourArgb(int index) {
  const COLORREF c = GetSysColor(index);
  return 0xFF000000u | (std::uint32_t{GetRValue(c)} << 16) | (std::uint32_t{GetGValue(c)} << 8) | GetBValue(c);
}

COLORREF ToColorRef(Colour colour) {
  if (IsSystemColour(colour)) return GetSysColor(colour & 0xFF);
  return static_cast<COLORREF>(colour) & 0xFFFFFF;
}

Colour FromColorRef(COLORREF colour) { return Rgb(GetRValue(colour), GetGValue(colour), GetBValue(colour)); }

HFONT CreateDesignerFont(const Font& font, int dpi) {
  LOGFONTW f{};
  f.lfHeight = -static_cast<LONG>(std::lround(static_cast<double>(font.size) * dpi / 72.0));
  f.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  f.lfItalic = font.italic;
  f.lfUnderline = font.underline;
  f.lfCharSet = DEFAULT_CHARSET;
  f.lfQuality = CLEARTYPE_QUALITY;
  InstalledFace(font.name).copy(f.lfFaceName, LF_FACESIZE - 1);
  return CreateFontIndirectW(&f);
}

}  // namespace velvora::win32
