// The Qt backend tests run on Qt's offscreen platform at 96 DPI with their own configuration
// folder, so they touch neither a display nor the user's preferences.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include "backends/qt/qt_units.h"
#include "support/temp_folder.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  velvora::test::TempFolder config;
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.Path()));
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  velvora::qt::InstallFontSubstitutions();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
