#pragma once
// The two decoders behind DecodePicture. Each gives null when it cannot read the file.
#include <windows.h>

#include <string>

#include "platform/picture.h"

namespace velvora::win32 {

// The picture's size scaled down, keeping its proportions, to fit `bound`; never scaled up.
SIZE FitWithin(SIZE size, SIZE bound);

PicturePtr DecodeWithImagingComponent(const std::wstring& path, SIZE bound);
PicturePtr DecodeWithOle(const std::wstring& path, SIZE bound);

}  // namespace velvora::win32
