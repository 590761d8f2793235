// Decoding with OLE's picture loader: metafiles (WMF with the placeable header, EMF) and cursors,
// which the Imaging Component does not read, and every format where that component is missing.
#include <ocidl.h>
#include <olectl.h>
#include <wrl/client.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "backends/win32/win32_picture_decoders.h"

namespace velvora::win32 {
namespace {

using Microsoft::WRL::ComPtr;

constexpr LONGLONG kLargestFile = 256LL << 20;  // metafiles and cursors are far smaller
constexpr int kHimetricPerInch = 2540;

// The whole file in a stream of memory, as OleLoadPicture reads it.
ComPtr<IStream> ReadIntoStream(const std::wstring& path, LONG& size) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  LARGE_INTEGER length{};
  HGLOBAL memory = nullptr;
  DWORD read = 0;
  if (GetFileSizeEx(file, &length) && length.QuadPart > 0 && length.QuadPart <= kLargestFile) {
    memory = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(length.QuadPart));
  }
  if (memory) {
    ReadFile(file, GlobalLock(memory), static_cast<DWORD>(length.QuadPart), &read, nullptr);
    GlobalUnlock(memory);
  }
  CloseHandle(file);
  ComPtr<IStream> stream;
  if (!memory || read != length.QuadPart || FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    if (memory) GlobalFree(memory);
    return nullptr;
  }
  size = static_cast<LONG>(read);
  return stream;
}

// The picture drawn at `size` over a white or a black ground, 0x00RRGGBB per pixel.
std::vector<std::uint32_t> Draw(IPicture& picture, SIZE size, OLE_XSIZE_HIMETRIC width, OLE_YSIZE_HIMETRIC height,
                                bool white) {
  std::vector<std::uint32_t> pixels;
  HDC dc = CreateCompatibleDC(nullptr);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;  // rows top to bottom
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (dc && dib) {
    HGDIOBJ old = SelectObject(dc, dib);
    RECT all{0, 0, size.cx, size.cy};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(white ? WHITE_BRUSH : BLACK_BRUSH)));
    // Source coordinates are HIMETRIC with y upwards: start at the top, go down.
    if (SUCCEEDED(picture.Render(dc, 0, 0, size.cx, size.cy, 0, height, width, -height, nullptr))) {
      GdiFlush();
      const auto* first = static_cast<const std::uint32_t*>(bits);
      pixels.assign(first, first + std::size_t(size.cx) * std::size_t(size.cy));
    }
    SelectObject(dc, old);
  }
  if (dib) DeleteObject(dib);
  if (dc) DeleteDC(dc);
  return pixels;
}

// GDI leaves alpha alone, so coverage shows as the difference between the two grounds: a pixel
// the picture covers is the same on both, a clear one is the ground itself.
PicturePtr Combine(SIZE size, const std::vector<std::uint32_t>& onBlack, const std::vector<std::uint32_t>& onWhite) {
  auto picture = std::make_shared<Picture>();
  picture->width = size.cx;
  picture->height = size.cy;
  picture->pixels.resize(onBlack.size());
  for (std::size_t i = 0; i < onBlack.size(); ++i) {
    const std::uint32_t black = onBlack[i], white = onWhite[i];
    const int alpha = 255 - std::clamp(int((white >> 8) & 0xFF) - int((black >> 8) & 0xFF), 0, 255);
    std::uint32_t pixel = std::uint32_t(alpha) << 24;
    for (int shift = 0; alpha > 0 && shift <= 16; shift += 8) {
      const int channel = std::min(255, int((black >> shift) & 0xFF) * 255 / alpha);
      pixel |= std::uint32_t(channel) << shift;
    }
    picture->pixels[i] = pixel;
  }
  return picture;
}

}  // namespace

PicturePtr DecodeWithOle(const std::wstring& path, SIZE bound) {
  LONG fileSize = 0;
  ComPtr<IStream> stream = ReadIntoStream(path, fileSize);
  ComPtr<IPicture> picture;
  if (!stream || FAILED(OleLoadPicture(stream.Get(), fileSize, FALSE, IID_PPV_ARGS(&picture)))) return nullptr;
  SHORT type = PICTYPE_NONE;
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  if (FAILED(picture->get_Type(&type)) || type == PICTYPE_NONE || type == PICTYPE_UNINITIALIZED ||
      FAILED(picture->get_Width(&width)) || FAILED(picture->get_Height(&height)) || width <= 0 || height <= 0) {
    return nullptr;
  }
  HDC screen = GetDC(nullptr);
  const SIZE natural{MulDiv(width, GetDeviceCaps(screen, LOGPIXELSX), kHimetricPerInch),
                     MulDiv(height, GetDeviceCaps(screen, LOGPIXELSY), kHimetricPerInch)};
  ReleaseDC(nullptr, screen);
  if (natural.cx <= 0 || natural.cy <= 0) return nullptr;
  const SIZE size = FitWithin(natural, bound);
  const std::vector<std::uint32_t> onBlack = Draw(*picture.Get(), size, width, height, false);
  const std::vector<std::uint32_t> onWhite = Draw(*picture.Get(), size, width, height, true);
  if (onBlack.empty() || onWhite.empty()) return nullptr;
  return Combine(size, onBlack, onWhite);
}

}  // namespace velvora::win32
