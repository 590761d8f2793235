// The monitors are Qt's screens; their changes are told to the program once the screen list
// has settled (Qt moves the windows of a screen that goes away to the primary first).
#include "backends/qt/qt_monitors.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "forms/program.h"
#include "backends/qt/qt_platform.h"
#include "backends/qt/qt_units.h"

namespace velvora::qt {

QPoint DesktopOrigin() {
  const QScreen* primary = QGuiApplication::primaryScreen();
  return primary ? primary->geometry().topLeft() : QPoint();
}

std::vector<Monitor> QtPlatform::Monitors() {
  std::vector<Monitor> monitors;
  const QScreen* primary = QGuiApplication::primaryScreen();
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect area = screen->geometry().translated(-DesktopOrigin());
    monitors.push_back({{ToTwips(area.x()), ToTwips(area.y()), ToTwips(area.width()), ToTwips(area.height())},
                        screen == primary});
  }
  return monitors;
}

void ReportMonitorChanges(Program& program) {
  // One report for all the signals of one turn of the event loop.
  auto* due = new QTimer(qApp);
  due->setSingleShot(true);
  due->setInterval(0);
  QObject::connect(due, &QTimer::timeout, due, [&program] { program.MonitorsChanged(); });
  const auto watch = [due](QScreen* screen) {
    QObject::connect(screen, &QScreen::geometryChanged, due, qOverload<>(&QTimer::start));
  };
  for (QScreen* screen : QGuiApplication::screens()) watch(screen);
  QObject::connect(qApp, &QGuiApplication::screenAdded, due, [due, watch](QScreen* screen) {
    watch(screen);
    due->start();
  });
  QObject::connect(qApp, &QGuiApplication::screenRemoved, due, qOverload<>(&QTimer::start));
  QObject::connect(qApp, &QGuiApplication::primaryScreenChanged, due, qOverload<>(&QTimer::start));
}

}  // namespace velvora::qt
