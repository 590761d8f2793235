#include "virtual_display.h"

#include <QFile>
#include <QStandardPaths>

#include "qt_fixture.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>

namespace velvora::test {

VirtualDisplay::VirtualDisplay(const QString& screen) {
  const QString xvfb = QStandardPaths::findExecutable("Xvfb");
  if (xvfb.isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty()) return;
  // Xvfb picks a free display itself and tells its number on standard output.
  server_.start(xvfb, {"-displayfd", "1", "-screen", "0", screen, "-nolisten", "tcp"});
  WaitFor([&] { return server_.canReadLine() || server_.state() == QProcess::NotRunning; }, 10000);
  const QByteArray number = server_.readLine().trimmed();
  if (number.isEmpty()) return;
  name_ = ":" + QString::fromLatin1(number);
  display_ = XOpenDisplay(name_.toLatin1().constData());
}

VirtualDisplay::~VirtualDisplay() {
  if (display_) XCloseDisplay(display_);
  server_.terminate();  // lets the server remove its lock file
  if (!server_.waitForFinished(3000)) server_.kill();
}

bool VirtualDisplay::Xrandr(const QStringList& args) const {
  if (!display_ || QStandardPaths::findExecutable("xrandr").isEmpty()) return false;
  QProcess tool;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("DISPLAY", name_);
  tool.setProcessEnvironment(env);
  tool.start("xrandr", args);
  return tool.waitForFinished(5000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

QImage VirtualDisplay::Screenshot() const {
  const Window root = DefaultRootWindow(display_);
  XWindowAttributes attributes{};
  XGetWindowAttributes(display_, root, &attributes);
  XImage* shot = XGetImage(display_, root, 0, 0, static_cast<unsigned>(attributes.width),
                           static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
  if (!shot) return {};
  QImage image(attributes.width, attributes.height, QImage::Format_RGB32);
  for (int y = 0; y < attributes.height; ++y) {
    for (int x = 0; x < attributes.width; ++x) image.setPixel(x, y, static_cast<QRgb>(XGetPixel(shot, x, y)));
  }
  XDestroyImage(shot);
  return image;
}

unsigned long VirtualDisplay::CreateHost(int width, int height) const {
  const Window host = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 10, 10,
                                          static_cast<unsigned>(width), static_cast<unsigned>(height), 0, 0, 0);
  XMapWindow(display_, host);
  XSync(display_, False);
  return host;
}

QSize VirtualDisplay::EmbeddedSize(unsigned long host) const {
  Window root = 0, parent = 0, *children = nullptr;
  unsigned count = 0;
  QSize largest;
  XQueryTree(display_, host, &root, &parent, &children, &count);
  for (unsigned i = 0; i < count; ++i) {
    XWindowAttributes a{};
    XGetWindowAttributes(display_, children[i], &a);
    if (a.map_state == IsViewable && a.width * a.height > largest.width() * largest.height()) {
      largest = {a.width, a.height};
    }
  }
  if (children) XFree(children);
  return largest;
}

ProgramRun::ProgramRun(const VirtualDisplay& x) {
  program_ = QString::fromStdString(folder / "velvora");
  QFile::copy(VELVORA_PROGRAM, program_);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("DISPLAY", x.name());
  env.insert("QT_QPA_PLATFORM", "xcb");
  env.insert("XDG_CONFIG_HOME", QString::fromStdString(folder / "config"));
  env.insert("DBUS_SESSION_BUS_ADDRESS", QString::fromStdString("unix:path=" + folder / "no-session-bus"));
  env.remove("XSCREENSAVER_WINDOW");
  process.setProcessEnvironment(env);
  process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

ProgramRun::~ProgramRun() {
  if (process.state() != QProcess::NotRunning) {
    process.kill();
    process.waitForFinished(3000);
  }
}

void ProgramRun::SetEnvironment(const QString& name, const QString& value) {
  QProcessEnvironment env = process.processEnvironment();
  env.insert(name, value);
  process.setProcessEnvironment(env);
}

void ProgramRun::Start(const QString& commandLine) {
  process.start(program_, commandLine.split(' ', Qt::SkipEmptyParts));
  process.waitForStarted();
}

void ProgramRun::RedAndBluePictures() {
  for (const char* name : {"a.png", "b.png"}) {
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(name[0] == 'a' ? Qt::red : Qt::blue);
    picture.save(QString::fromStdString(folder / name));
  }
  folder.Write("Velvora.ini",
               "1\r\nSec\r\n2\r\nFullWin\r\n" + (folder / "a.png") + "\r\n" + (folder / "b.png") + "\r\n");
}

bool ProgramRun::Ended(int ms) {
  return WaitFor([&] { return process.state() == QProcess::NotRunning; }, ms);
}

QString ProgramRun::Window(const VirtualDisplay& x) {
  QString id;
  WaitFor([&] {
    id = Tool(x, {"search", "--onlyvisible", "--pid", QString::number(process.processId())}).section('\n', 0, 0);
    return !id.isEmpty();
  }, 10000);
  return id;
}

QString ProgramRun::Tool(const VirtualDisplay& x, const QStringList& args) {
  QProcess tool;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("DISPLAY", x.name());
  tool.setProcessEnvironment(env);
  tool.start("xdotool", args);
  tool.waitForFinished(5000);
  return QString::fromLatin1(tool.readAllStandardOutput()).trimmed();
}

PointerImage ReadPointer(Display* display) {
  PointerImage result;
  XSync(display, False);
  XFixesCursorImage* image = XFixesGetCursorImage(display);
  if (!image) return result;
  result.width = image->width;
  result.height = image->height;
  const int pixels = image->width * image->height;
  for (int i = 0; i < pixels; ++i) {
    if ((image->pixels[i] >> 24) & 0xff) ++result.opaquePixels;  // ARGB, alpha on top
  }
  XFree(image);
  return result;
}

}  // namespace velvora::test
