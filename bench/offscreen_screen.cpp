#include "offscreen_screen.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QtGlobal>

namespace velvora::bench {

void UseOffscreenScreen(int width, int height) {
  if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) return;
  const QString config = QDir::temp().filePath(QString("velvora-bench-screen-%1x%2.json").arg(width).arg(height));
  QFile file(config);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write %s", qPrintable(config));
  file.write(QString(R"({"screens": [{"name": "Bench", "x": 0, "y": 0, "width": %1, "height": %2,)"
                     R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                 .arg(width)
                 .arg(height)
                 .toUtf8());
  file.close();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
}

}  // namespace velvora::bench
