// Decoding with the Windows Imaging Component. The scaler pulls rows from the decoder as it
// needs them, so a large photograph never lies in memory at full size (and Windows 8 on scales
// JPEGs while decoding).
#include <propidl.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <filesystem>
#include <fstream>

#include "backends/win32/win32_orientation.h"
#include "backends/win32/win32_picture_decoders.h"

namespace velvora::win32 {
namespace {

using Microsoft::WRL::ComPtr;

// What the system's metadata readers say (HEIC, WebP, JPEG and TIFF on Windows 7 on); 0 when
// they say nothing.
int MetadataOrientation(IWICBitmapFrameDecode& frame) {
  ComPtr<IWICMetadataQueryReader> reader;
  if (FAILED(frame.GetMetadataQueryReader(&reader))) return 0;
  PROPVARIANT value;
  PropVariantInit(&value);
  int orientation = 0;
  if (SUCCEEDED(reader->GetMetadataByName(L"System.Photo.Orientation", &value)) && value.vt == VT_UI2) {
    orientation = value.uiVal;
  }
  PropVariantClear(&value);
  return orientation >= 1 && orientation <= 8 ? orientation : 0;
}

// Older systems (and Wine) have no reader for a JPEG's Exif block: then we read it ourselves.
int Orientation(IWICBitmapFrameDecode& frame, const std::wstring& path) {
  if (const int orientation = MetadataOrientation(frame)) return orientation;
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  return ExifOrientation(file);
}

PicturePtr CopyPixels(IWICImagingFactory& factory, IWICBitmapSource& source) {
  ComPtr<IWICFormatConverter> converter;
  if (FAILED(factory.CreateFormatConverter(&converter)) ||
      FAILED(converter->Initialize(&source, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom))) {
    return nullptr;
  }
  UINT width = 0, height = 0;
  if (FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0) return nullptr;
  auto picture = std::make_shared<Picture>();
  picture->width = static_cast<int>(width);
  picture->height = static_cast<int>(height);
  picture->pixels.resize(std::size_t{width} * height);
  // B, G, R, A in memory: 0xAARRGGBB as a little-endian 32-bit number.
  const UINT stride = width * 4;
  if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, reinterpret_cast<BYTE*>(picture->pixels.data())))) {
    return nullptr;
  }
  return picture;
}

}  // namespace

PicturePtr DecodeWithImagingComponent(const std::wstring& path, SIZE bound) {
  ComPtr<IWICImagingFactory> factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory)))) {
    return nullptr;  // no Imaging Component on this system
  }
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  if (FAILED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                &decoder)) ||
      FAILED(decoder->GetFrame(0, &frame))) {
    return nullptr;
  }
  UINT width = 0, height = 0;
  if (FAILED(frame->GetSize(&width, &height)) || width == 0 || height == 0) return nullptr;

  const int orientation = Orientation(*frame.Get(), path);
  // The bound applies before the turn: a picture turned by a quarter fits with its sides swapped.
  const SIZE fitBound = SwapsSides(orientation) ? SIZE{bound.cy, bound.cx} : bound;
  const SIZE size{static_cast<LONG>(width), static_cast<LONG>(height)};
  const SIZE target = FitWithin(size, fitBound);
  ComPtr<IWICBitmapSource> source = frame;
  if (target.cx != size.cx || target.cy != size.cy) {
    ComPtr<IWICBitmapScaler> scaler;
    if (FAILED(factory->CreateBitmapScaler(&scaler)) ||
        FAILED(scaler->Initialize(frame.Get(), static_cast<UINT>(target.cx), static_cast<UINT>(target.cy),
                                  WICBitmapInterpolationModeFant))) {
      return nullptr;
    }
    source = scaler;
  }
  return Upright(CopyPixels(*factory.Get(), *source.Get()), orientation);
}

}  // namespace velvora::win32
