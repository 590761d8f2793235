// Any bytes as a picture file through the desktop program's loader, fitted to a full-HD screen
// and to a tiny one: a picture no larger than the screen (never below a pixel a side), or the
// run-time error of a file that is no picture.
#include <QCoreApplication>
#include <QSize>
#include <cstddef>
#include <cstdint>

#include "backends/qt/qt_pictures.h"
#include "fuzz_support.h"
#include "runtime/errors.h"

using velvora::fuzz::Expect;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static QCoreApplication application(*argc, *argv);  // plugins are found through it
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});  // decoders' warnings
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = velvora::fuzz::ScratchFile("picture", {reinterpret_cast<const char*>(data), size});
  for (const QSize screen : {QSize(1920, 1080), QSize(37, 23)}) {
    try {
      const velvora::PicturePtr picture = velvora::qt::DecodePicture(path, screen);
      Expect(picture && picture->width > 0 && picture->height > 0, "a picture has pixels");
      Expect(picture->pixels.size() == static_cast<std::size_t>(picture->width) * picture->height,
             "every pixel is there");
      Expect(picture->width <= screen.width() && picture->height <= screen.height(), "fitted to the screen");
    } catch (const velvora::RuntimeError& e) {
      Expect(e.Code() == 481, "a file that is no picture is an invalid picture");
    }
  }
  return 0;
}
