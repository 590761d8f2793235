#pragma once
// The two decoders behind DecodePicture. Each gives null when it cannot read the file.
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "platform/picture.h"

namespace velvora::win32 {

// The picture's size scaled down, keeping its proportions, to fit `bound`; never scaled up.
SIZE FitWithin(SIZE size, SIZE bound);

PicturePtr DecodeWithImagingComponent(const std::wstring& path, SIZE bound);
// A picture held in memory (one of the program's resources).
PicturePtr DecodeBytesWithImagingComponent(const void* data, std::size_t size, SIZE bound);
// The file-name extensions of the Imaging Component's decoders, lower case, without the dot.
std::vector<std::string> ImagingComponentExtensions();
PicturePtr DecodeWithOle(const std::wstring& path, SIZE bound);

}  // namespace velvora::win32
