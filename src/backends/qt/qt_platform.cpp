// The platform object: the event loop, posted work, timers, windows and the program's places.
#include "backends/qt/qt_platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QStorageInfo>
#include <QTimer>
#include <algorithm>
#include <set>

#include "forms/controls.h"
#include "forms/program.h"
#include "backends/qt/qt_form_view.h"
#include "backends/qt/qt_monitors.h"
#include "backends/qt/qt_pictures.h"
#include "backends/qt/qt_units.h"
#include "backends/qt/x11_display.h"

namespace velvora::qt {

QtPlatform::QtPlatform()
    : pictures_([](const std::string& path, PictureBound bound) {
        return DecodePicture(path, QSize(bound.width, bound.height));
      }) {
  clock_.start();
}

QtPlatform::~QtPlatform() {
  for (auto& [timer, qtimer] : timers_) delete qtimer.data();
  delete frameTimer_;
  // Whatever ended the program, neither the pointer nor the desktop's own screen saver is left
  // switched off.
  if (cursorBlanked_) QGuiApplication::restoreOverrideCursor();
  if (saverSuspended_) x11::SuspendScreenSaver(false);
}

void QtPlatform::DoEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtPlatform::Post(std::function<void()> work) {
  QMetaObject::invokeMethod(&posted_, std::move(work), Qt::QueuedConnection);
}

// exit, not quit: quit first asks every window to close, and our windows leave that to their
// forms, which have already been dropped. exit also leaves the loop of an open modal box.
void QtPlatform::Quit() { QCoreApplication::exit(0); }

std::unique_ptr<FormView> QtPlatform::Realise(Form& form) {
  return std::make_unique<QtFormView>(*this, form);
}

QtFormView* QtPlatform::ViewOf(Hwnd window) const {
  auto it = views_.find(window);
  return it == views_.end() ? nullptr : it->second;
}

void QtPlatform::Register(QtFormView& view) { views_[view.WindowHandle()] = &view; }

void QtPlatform::Unregister(QtFormView& view) {
  std::erase_if(views_, [&](const auto& entry) { return entry.second == &view; });
}

// ---- timers ----

void QtPlatform::TimerChanged(Timer& timer) {
  QPointer<QTimer>& qtimer = timers_[&timer];
  if (!qtimer) {
    qtimer = new QTimer;
    qtimer->setTimerType(Qt::PreciseTimer);
    Timer* model = &timer;
    QObject::connect(qtimer, &QTimer::timeout, qtimer, [model] { model->Owner().program().TimerTick(*model); });
  }
  if (timer.IsEnabled() && timer.Interval() > 0) {
    qtimer->start(timer.Interval());  // (re)starts the count from now
  } else {
    qtimer->stop();
  }
}

void QtPlatform::TimerRemoved(Timer& timer) {
  auto it = timers_.find(&timer);
  if (it == timers_.end()) return;
  if (it->second) {
    it->second->stop();
    it->second->deleteLater();  // it may be delivering its own tick
  }
  timers_.erase(it);
}

// ---- places ----

TwipsRect QtPlatform::WorkArea() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const QRect area = screen->availableGeometry().translated(-DesktopOrigin());
  return {ToTwips(area.x()), ToTwips(area.y()), ToTwips(area.width()), ToTwips(area.height())};
}

std::string QtPlatform::ProgramFolder() {
  return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
}

std::vector<std::string> QtPlatform::Drives() {
  // File systems that hold no user files.
  static const std::set<QByteArray> kPseudo = {
      "proc", "sysfs", "devtmpfs", "devpts", "tmpfs", "cgroup", "cgroup2", "securityfs", "pstore",
      "bpf", "debugfs", "tracefs", "mqueue", "hugetlbfs", "configfs", "fusectl", "autofs",
      "binfmt_misc", "efivarfs", "ramfs", "rpc_pipefs", "nsfs", "squashfs", "overlay", "fuse.portal",
      "fuse.gvfsd-fuse"};
  std::vector<std::string> drives{"/"};
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    const QString root = volume.rootPath();
    if (!volume.isValid() || !volume.isReady() || kPseudo.count(volume.fileSystemType())) continue;
    if (root.startsWith("/proc") || root.startsWith("/sys") || root.startsWith("/dev") ||
        root.startsWith("/run") || root.startsWith("/snap")) {
      continue;
    }
    if (!QFileInfo(root).isReadable()) continue;
    const std::string path = root.toStdString();
    if (std::find(drives.begin(), drives.end(), path) == drives.end()) drives.push_back(path);
  }
  return drives;
}

}  // namespace velvora::qt
