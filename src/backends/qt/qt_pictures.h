#pragma once
// Picture decoding with QImageReader.
#include <QSize>
#include <string>
#include <vector>

#include "platform/picture.h"

namespace velvora::qt {

// Decodes a picture file: format by content first, then by the name's extension; turned as its
// EXIF orientation says; scaled down (never up) to fit `bound` when it is larger. Throws
// RuntimeError 53 for a missing file and 481 for one that is not a picture we can decode.
PicturePtr DecodePicture(const std::string& path, QSize bound);

// The extensions of the files DecodePicture reads: the reader's formats, and the other names of
// JPEG files (it knows them by content).
std::vector<std::string> PictureExtensions();

// The largest size worth decoding: the primary screen's size in device pixels.
QSize ScreenBound();

}  // namespace velvora::qt
