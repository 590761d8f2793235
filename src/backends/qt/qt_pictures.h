#pragma once
// Picture decoding with QImageReader.
#include <QSize>
#include <string>

#include "platform/picture.h"

namespace velvora::qt {

// Decodes a picture file: format by content first, then by the name's extension; turned as its
// EXIF orientation says; scaled down (never up) to fit `bound` when it is larger. Throws
// RuntimeError 53 for a missing file and 481 for one that is not a picture we can decode.
PicturePtr DecodePicture(const std::string& path, QSize bound);

// The largest size worth decoding: the primary screen's size in device pixels.
QSize ScreenBound();

}  // namespace velvora::qt
