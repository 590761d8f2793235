#include "backends/qt/qt_pictures.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>
#include <cstring>

#include "backends/qt/qt_platform.h"
#include "backends/qt/qt_units.h"
#include "runtime/errors.h"

namespace velvora::qt {
namespace {

// The size a picture takes in a bound: kept when it fits, else shrunk keeping its proportions,
// never below a pixel a side (a 1 x 30,000 strip is still a picture).
QSize FittedSize(QSize size, QSize bound) {
  if (size.width() <= bound.width() && size.height() <= bound.height()) return size;
  return size.scaled(bound, Qt::KeepAspectRatio).expandedTo({1, 1});
}

QImage Read(const QString& path, bool byContent, QSize bound) {
  QImageReader reader(path);
  reader.setDecideFormatFromContent(byContent);
  reader.setAutoTransform(true);
  reader.setAllocationLimit(static_cast<int>(kMaxPictureBytes >> 20));
  const QSize size = reader.size();
  // A header that claims more than any camera takes is refused before decoding: even a decoder
  // that scales while it decodes reads the data of every pixel the header claims.
  if (size.isValid() && std::int64_t{size.width()} * size.height() > kMaxPicturePixels) return {};
  if (size.isValid() && bound.isValid()) {
    // The scaled size applies before the turn: a picture turned by a quarter fits the bound
    // with its sides swapped.
    if (reader.transformation() & QImageIOHandler::TransformationRotate90) bound.transpose();
    if (FittedSize(size, bound) != size) reader.setScaledSize(FittedSize(size, bound));
  }
  return reader.read();
}

}  // namespace

QSize ScreenBound() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {1920, 1080};
  return screen->size() * screen->devicePixelRatio();
}

PicturePtr DecodePicture(const std::string& path, QSize bound) {
  if (path.empty()) return nullptr;
  const QString file = QString::fromStdString(path);
  if (!QFileInfo(file).isFile()) Raise(ErrorNumber::FileNotFound);
  if (!PngChunksWithinFile(path)) Raise(ErrorNumber::InvalidPicture);
  QImage image = Read(file, true, bound);
  if (image.isNull()) image = Read(file, false, bound);
  if (image.isNull()) Raise(ErrorNumber::InvalidPicture);
  // Some decoders give another size than their header says (a GIF's screen and its picture).
  if (bound.isValid() && FittedSize(image.size(), bound) != image.size()) {
    image = image.scaled(FittedSize(image.size(), bound), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  image.convertTo(QImage::Format_ARGB32);
  auto picture = std::make_shared<Picture>();
  picture->width = image.width();
  picture->height = image.height();
  picture->pixels.resize(static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height()));
  for (int y = 0; y < image.height(); ++y) {
    std::memcpy(picture->pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width()),
                image.constScanLine(y), static_cast<std::size_t>(image.width()) * 4);
  }
  return picture;
}

std::vector<std::string> PictureExtensions() {
  std::vector<std::string> extensions;
  for (const QByteArray& format : QImageReader::supportedImageFormats()) {
    extensions.push_back(format.toLower().toStdString());
    if (format == "jpeg") extensions.insert(extensions.end(), {"jpe", "jfif"});
  }
  return extensions;
}

// The screen's size is read here, on the user-interface thread; the decoder runs on either.
PicturePtr QtPlatform::LoadPicture(const std::string& path) {
  const QSize bound = ScreenBound();
  return pictures_.Take(path, {bound.width(), bound.height()});
}

void QtPlatform::PictureComesNext(const std::string& path) {
  const QSize bound = ScreenBound();
  pictures_.Prefetch(path, {bound.width(), bound.height()});
}

std::vector<std::string> QtPlatform::PictureExtensions() { return qt::PictureExtensions(); }

PicturePtr QtPlatform::LoadAsset(const std::string& name) {
  const QString path = AssetPath(name);
  if (path.isEmpty()) return nullptr;
  try {
    return DecodePicture(path.toStdString(), QSize());
  } catch (const RuntimeError&) {
    return nullptr;
  }
}

}  // namespace velvora::qt
