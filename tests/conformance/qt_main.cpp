// The contracts on the Qt backend run on Qt's offscreen platform at 96 DPI with their own
// configuration folder. With --xvfb they run on a virtual X server instead, for the contracts
// that need a window server (offscreen has none to embed into).
#include <gtest/gtest.h>

#include <QApplication>
#include <cstring>
#include <memory>

#include "backends/qt/qt_units.h"
#include "support/temp_folder.h"
#include "xvfb_server.h"

int main(int argc, char** argv) {
  std::unique_ptr<velvora::conformance::XvfbServer> xvfb;
  if (argc > 1 && std::strcmp(argv[1], "--xvfb") == 0) {
    xvfb = std::make_unique<velvora::conformance::XvfbServer>();
    if (!xvfb->Display().empty()) {
      qputenv("DISPLAY", QByteArray::fromStdString(xvfb->Display()));
      qputenv("QT_QPA_PLATFORM", "xcb");
    }
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  velvora::test::TempFolder config;
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.Path()));
  int code = 0;
  {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    velvora::qt::InstallFontSubstitutions();
    testing::InitGoogleTest(&argc, argv);
    code = RUN_ALL_TESTS();
  }
  return code;
}
