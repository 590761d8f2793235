#include "picture_files.h"

#include <windows.h>
#include <wincodec.h>
#include <wrl/client.h>

#include "backends/win32/win32_text.h"

namespace velvora::test {
namespace {

using Microsoft::WRL::ComPtr;

std::string Le(std::uint32_t value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
  return out;
}

std::string Be(std::uint32_t value, int bytes) {
  std::string out;
  for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
  return out;
}

}  // namespace

Pixels RedBlue(int width, int height) {
  Pixels p{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) p.argb.push_back(x < width / 2 ? 0xFFFF0000u : 0xFF0000FFu);
  }
  return p;
}

const char* Name(Encoder encoder) {
  switch (encoder) {
    case Encoder::Bmp: return "BMP";
    case Encoder::Png: return "PNG";
    case Encoder::Jpeg: return "JPEG";
    case Encoder::Tiff: return "TIFF";
    case Encoder::Gif: return "GIF";
  }
  return "";
}

bool EncodeWithImagingComponent(Encoder encoder, const std::string& path, const Pixels& pixels) {
  const GUID containers[] = {GUID_ContainerFormatBmp, GUID_ContainerFormatPng, GUID_ContainerFormatJpeg,
                             GUID_ContainerFormatTiff, GUID_ContainerFormatGif};
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICBitmap> bitmap;
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapEncoder> writer;
  ComPtr<IWICBitmapFrameEncode> frame;
  const UINT stride = static_cast<UINT>(pixels.width) * 4;
  const bool written =
      SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory))) &&
      SUCCEEDED(factory->CreateBitmapFromMemory(
          static_cast<UINT>(pixels.width), static_cast<UINT>(pixels.height), GUID_WICPixelFormat32bppBGRA, stride,
          stride * static_cast<UINT>(pixels.height),
          reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(pixels.argb.data())), &bitmap)) &&
      SUCCEEDED(factory->CreateStream(&stream)) &&
      SUCCEEDED(stream->InitializeFromFilename(win32::Wide(path).c_str(), GENERIC_WRITE)) &&
      SUCCEEDED(factory->CreateEncoder(containers[static_cast<int>(encoder)], nullptr, &writer)) &&
      SUCCEEDED(writer->Initialize(stream.Get(), WICBitmapEncoderNoCache)) &&
      SUCCEEDED(writer->CreateNewFrame(&frame, nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
      SUCCEEDED(frame->WriteSource(bitmap.Get(), nullptr)) && SUCCEEDED(frame->Commit()) &&
      SUCCEEDED(writer->Commit());
  frame.Reset();
  writer.Reset();
  stream.Reset();
  bitmap.Reset();
  factory.Reset();
  CoUninitialize();
  return written;
}

std::string IconFile(const Pixels& p, int type) {
  std::string xorBits, andBits;
  const int maskStride = ((p.width + 31) / 32) * 4;
  for (int y = p.height - 1; y >= 0; --y) {  // bottom-up
    std::string mask(static_cast<std::size_t>(maskStride), '\0');
    for (int x = 0; x < p.width; ++x) {
      const std::uint32_t pixel = p.argb[static_cast<std::size_t>(y * p.width + x)];
      xorBits += Le(pixel, 4);
      if ((pixel >> 24) == 0) mask[static_cast<std::size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
    }
    andBits += mask;
  }
  const std::string image = Le(40, 4) + Le(static_cast<std::uint32_t>(p.width), 4) +
                            Le(static_cast<std::uint32_t>(p.height * 2), 4) + Le(1, 2) + Le(32, 2) + Le(0, 4) +
                            Le(static_cast<std::uint32_t>(xorBits.size() + andBits.size()), 4) + std::string(16, '\0') +
                            xorBits + andBits;
  // Icons give planes and bit count in the directory, cursors the hot spot.
  const std::string fields = type == 1 ? Le(1, 2) + Le(32, 2) : Le(1, 2) + Le(1, 2);
  return Le(0, 2) + Le(static_cast<std::uint32_t>(type), 2) + Le(1, 2) + static_cast<char>(p.width) +
         static_cast<char>(p.height) + '\0' + '\0' + fields + Le(static_cast<std::uint32_t>(image.size()), 4) +
         Le(22, 4) + image;
}

std::string WithExifOrientation(const std::string& jpeg, int orientation, bool bigEndian) {
  auto n = [bigEndian](std::uint32_t v, int bytes) { return bigEndian ? Be(v, bytes) : Le(v, bytes); };
  const std::string tiff = std::string(bigEndian ? "MM" : "II") + n(42, 2) + n(8, 4) + n(1, 2) + n(0x0112, 2) +
                           n(3, 2) + n(1, 4) + n(static_cast<std::uint32_t>(orientation), 2) + n(0, 2) + n(0, 4);
  const std::string block = "Exif" + std::string(2, '\0') + tiff;
  return jpeg.substr(0, 2) + "\xFF\xE1" + Be(static_cast<std::uint32_t>(block.size() + 2), 2) + block + jpeg.substr(2);
}

bool WriteEnhancedMetafile(const std::string& path, int width, int height) {
  HDC screen = GetDC(nullptr);
  // The frame in 0.01 mm, from the pixel size at the screen's resolution.
  const RECT frame{0, 0, MulDiv(width, 2540, GetDeviceCaps(screen, LOGPIXELSX)),
                   MulDiv(height, 2540, GetDeviceCaps(screen, LOGPIXELSY))};
  HDC dc = CreateEnhMetaFileW(screen, win32::Wide(path).c_str(), &frame, nullptr);
  ReleaseDC(nullptr, screen);
  if (!dc) return false;
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  const RECT all{0, 0, width, height};
  FillRect(dc, &all, red);
  DeleteObject(red);
  HENHMETAFILE metafile = CloseEnhMetaFile(dc);
  if (!metafile) return false;
  DeleteEnhMetaFile(metafile);
  return true;
}

// A Windows metafile behind the 22-byte placeable header that gives its size.
std::string PlaceableMetafile(int width, int height) {
  HDC dc = CreateMetaFileW(nullptr);
  if (!dc) return "";
  SetWindowExtEx(dc, width, height, nullptr);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  HGDIOBJ old = SelectObject(dc, red);
  PatBlt(dc, 0, 0, width, height, PATCOPY);
  SelectObject(dc, old);
  DeleteObject(red);
  HMETAFILE metafile = CloseMetaFile(dc);
  if (!metafile) return "";
  std::string bits(GetMetaFileBitsEx(metafile, 0, nullptr), '\0');
  GetMetaFileBitsEx(metafile, static_cast<UINT>(bits.size()), bits.data());
  DeleteMetaFile(metafile);
  std::string header = Le(0x9AC6CDD7u, 4) + Le(0, 2) + Le(0, 2) + Le(0, 2) + Le(static_cast<std::uint32_t>(width), 2) +
                       Le(static_cast<std::uint32_t>(height), 2) + Le(96, 2) + Le(0, 4);
  std::uint16_t checksum = 0;
  for (std::size_t i = 0; i < 20; i += 2) {
    checksum ^= static_cast<std::uint16_t>(static_cast<unsigned char>(header[i]) |
                                           (static_cast<unsigned char>(header[i + 1]) << 8));
  }
  return header + Le(checksum, 2) + bits;
}

}  // namespace velvora::test
