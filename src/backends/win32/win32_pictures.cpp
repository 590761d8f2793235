#include "backends/win32/win32_pictures.h"

#include <objbase.h>

#include <algorithm>
#include <cmath>

#include "backends/win32/win32_picture_decoders.h"
#include "backends/win32/win32_text.h"
#include "runtime/errors.h"

namespace velvora::win32 {
namespace {

// COM on this thread for the decoding; a thread that has it already keeps it as it was.
class ComScope {
 public:
  ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComScope() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  HRESULT result_;
};

}  // namespace

SIZE FitWithin(SIZE size, SIZE bound) {
  if (size.cx <= bound.cx && size.cy <= bound.cy) return size;
  const double scale = std::min(static_cast<double>(bound.cx) / size.cx, static_cast<double>(bound.cy) / size.cy);
  return {std::max(1L, std::lround(size.cx * scale)), std::max(1L, std::lround(size.cy * scale))};
}

PicturePtr DecodePicture(const std::string& path, SIZE bound) {
  if (path.empty()) return nullptr;
  const std::wstring file = Wide(path);
  const DWORD attributes = GetFileAttributesW(file.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    Raise(ErrorNumber::FileNotFound);
  }
  const ComScope com;
  if (PicturePtr picture = DecodeWithImagingComponent(file, bound)) return picture;
  if (PicturePtr picture = DecodeWithOle(file, bound)) return picture;
  Raise(ErrorNumber::InvalidPicture);
}

SIZE ScreenBound() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

PicturePtr DecodePictureBytes(const void* data, std::size_t size) {
  const ComScope com;
  return DecodeBytesWithImagingComponent(data, size, {32767, 32767});
}

std::vector<std::string> PictureFileExtensions() {
  std::vector<std::string> extensions;
  {
    const ComScope com;
    extensions = ImagingComponentExtensions();
  }
  for (const char* ole : {"bmp", "gif", "jpg", "ico", "cur", "wmf", "emf"}) {
    if (std::find(extensions.begin(), extensions.end(), ole) == extensions.end()) extensions.push_back(ole);
  }
  return extensions;
}

}  // namespace velvora::win32
