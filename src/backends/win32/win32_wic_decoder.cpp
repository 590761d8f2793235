// Decoding with the Windows Imaging Component. The scaler pulls rows from the decoder as it
// needs them, so a large photograph never lies in memory at full size (and Windows 8 on scales
// JPEGs while decoding).
#include <propidl.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>

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

ComPtr<IWICImagingFactory> Factory() {
  ComPtr<IWICImagingFactory> factory;
  CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory));
  return factory;  // null: no Imaging Component on this system
}

// The first frame, upright as `orientation` says, fitted within the bound.
PicturePtr Decode(IWICImagingFactory& factory, IWICBitmapDecoder& decoder, SIZE bound,
                  const std::function<int(IWICBitmapFrameDecode&)>& orientationOf) {
  ComPtr<IWICBitmapFrameDecode> frame;
  if (FAILED(decoder.GetFrame(0, &frame))) return nullptr;
  UINT width = 0, height = 0;
  if (FAILED(frame->GetSize(&width, &height)) || width == 0 || height == 0) return nullptr;

  const int orientation = orientationOf(*frame.Get());
  // The bound applies before the turn: a picture turned by a quarter fits with its sides swapped.
  const SIZE fitBound = SwapsSides(orientation) ? SIZE{bound.cy, bound.cx} : bound;
  const SIZE size{static_cast<LONG>(width), static_cast<LONG>(height)};
  const SIZE target = FitWithin(size, fitBound);
  ComPtr<IWICBitmapSource> source = frame;
  if (target.cx != size.cx || target.cy != size.cy) {
    ComPtr<IWICBitmapScaler> scaler;
    if (FAILED(factory.CreateBitmapScaler(&scaler)) ||
        FAILED(scaler->Initialize(frame.Get(), static_cast<UINT>(target.cx), static_cast<UINT>(target.cy),
                                  WICBitmapInterpolationModeFant))) {
      return nullptr;
    }
    source = scaler;
  }
  return Upright(CopyPixels(factory, *source.Get()), orientation);
}

}  // namespace

PicturePtr DecodeWithImagingComponent(const std::wstring& path, SIZE bound) {
  ComPtr<IWICImagingFactory> factory = Factory();
  ComPtr<IWICBitmapDecoder> decoder;
  if (!factory || FAILED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                                            WICDecodeMetadataCacheOnDemand, &decoder))) {
    return nullptr;
  }
  return Decode(*factory.Get(), *decoder.Get(), bound,
                [&path](IWICBitmapFrameDecode& frame) { return Orientation(frame, path); });
}

PicturePtr DecodeBytesWithImagingComponent(const void* data, std::size_t size, SIZE bound) {
  ComPtr<IWICImagingFactory> factory = Factory();
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  if (!factory || size > MAXDWORD || FAILED(factory->CreateStream(&stream)) ||
      FAILED(stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(data)), static_cast<DWORD>(size))) ||
      FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, &decoder))) {
    return nullptr;
  }
  return Decode(*factory.Get(), *decoder.Get(), bound, [](IWICBitmapFrameDecode& frame) {
    const int orientation = MetadataOrientation(frame);
    return orientation ? orientation : 1;
  });
}

// Each decoder lists its extensions as ".jpeg,.jpe,.jpg".
std::vector<std::string> ImagingComponentExtensions() {
  std::vector<std::string> extensions;
  ComPtr<IWICImagingFactory> factory = Factory();
  ComPtr<IEnumUnknown> decoders;
  if (!factory || FAILED(factory->CreateComponentEnumerator(WICDecoder, WICComponentEnumerateDefault, &decoders))) {
    return extensions;
  }
  ComPtr<IUnknown> item;
  ULONG fetched = 0;
  while (decoders->Next(1, &item, &fetched) == S_OK && fetched == 1) {
    ComPtr<IWICBitmapDecoderInfo> info;
    UINT length = 0;
    if (SUCCEEDED(item.As(&info)) && SUCCEEDED(info->GetFileExtensions(0, nullptr, &length)) && length > 0) {
      std::wstring list(length, L'\0');
      if (SUCCEEDED(info->GetFileExtensions(length, list.data(), &length))) {
        std::string ascii;
        for (wchar_t c : list) {
          if (c == L'\0') break;
          if (c == L'.' || c == L' ') continue;
          if (c == L',') {
            if (!ascii.empty()) extensions.push_back(ascii);
            ascii.clear();
          } else if (c < 0x80) {
            ascii += static_cast<char>(std::tolower(static_cast<int>(c)));
          }
        }
        if (!ascii.empty()) extensions.push_back(ascii);
      }
    }
    item.Reset();
  }
  return extensions;
}

}  // namespace velvora::win32
