#include "backends/qt/x11_display.h"

#include <QGuiApplication>
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>

namespace velvora::qt::x11 {
namespace {

Display* TheDisplay() {
  auto* native = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return native ? native->display() : nullptr;
}

// A request about a window that has just gone away fails with BadWindow; that is an answer
// here, not a reason to stop the program (Xlib's default handler would exit).
int IgnoreError(Display*, XErrorEvent*) { return 0; }

class ErrorTrap {
 public:
  ErrorTrap() : previous_(XSetErrorHandler(&IgnoreError)) {}
  ~ErrorTrap() { XSetErrorHandler(previous_); }
  ErrorTrap(const ErrorTrap&) = delete;
  ErrorTrap& operator=(const ErrorTrap&) = delete;

 private:
  XErrorHandler previous_;
};

}  // namespace

bool Available() { return TheDisplay() != nullptr; }

std::optional<QSize> WindowSize(std::uint32_t window) {
  Display* display = TheDisplay();
  if (!display || window == 0) return std::nullopt;
  ErrorTrap trap;
  XWindowAttributes attributes{};
  // The answer must reflect the server's state now, not a reply still in Qt's queue.
  XSync(display, False);
  const Status ok = XGetWindowAttributes(display, window, &attributes);
  XSync(display, False);
  if (!ok) return std::nullopt;
  return QSize(attributes.width, attributes.height);
}

std::uint32_t ScreenRoot() {
  Display* display = TheDisplay();
  return display ? static_cast<std::uint32_t>(DefaultRootWindow(display)) : 0;
}

void UseParentPointer(std::uint64_t window) {
  Display* display = TheDisplay();
  if (!display) return;
  XUndefineCursor(display, static_cast<Window>(window));
  XFlush(display);
}

bool SuspendScreenSaver(bool suspend) {
  Display* display = TheDisplay();
  if (!display) return false;
  int eventBase = 0, errorBase = 0;
  if (!XScreenSaverQueryExtension(display, &eventBase, &errorBase)) return false;
  XScreenSaverSuspend(display, suspend ? True : False);
  if (suspend) XResetScreenSaver(display);
  XFlush(display);
  return true;
}

}  // namespace velvora::qt::x11
