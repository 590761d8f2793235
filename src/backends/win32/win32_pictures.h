#pragma once
// Picture decoding: the Windows Imaging Component (BMP, GIF, JPEG, PNG, TIFF, ICO and whatever
// codecs the system adds), and OLE's picture loader for what it does not read (metafiles,
// cursors) or where it is missing (Windows before XP SP3).
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "platform/picture.h"

namespace velvora::win32 {

// Decodes a picture file: turned upright as its EXIF orientation says, scaled down (never up)
// to fit `bound`, the full-size picture never held in memory. Throws RuntimeError 53 for a
// missing file and 481 for one that is not a picture we can decode.
PicturePtr DecodePicture(const std::string& path, SIZE bound);

// The largest size worth decoding: the primary screen's size in pixels.
SIZE ScreenBound();

// A picture file's bytes held in memory (the program's own pictures); null when they are none
// the Imaging Component reads.
PicturePtr DecodePictureBytes(const void* data, std::size_t size);

// The file-name extensions of what DecodePicture reads: the Imaging Component's codecs, then
// what OLE's loader adds.
std::vector<std::string> PictureFileExtensions();

}  // namespace velvora::win32
