#pragma once
// Pictures that cost a decoder what camera photos cost: large soft shapes, texture at every
// scale down to the pixel and sensor grain, so a JPEG keeps most of its coefficients. A smooth
// gradient decodes several times faster than a photo of the same size and hides the cost.
#include <QImage>
#include <QString>

namespace velvora::bench {

// A photo-like picture; the same seed gives the same pixels.
QImage PhotoLike(int width, int height, unsigned seed);

// Writes `image` in `format` ("jpeg" at quality 92, "png", "tiff") and gives the path.
QString WritePicture(const QImage& image, const QString& path, const char* format);

}  // namespace velvora::bench
