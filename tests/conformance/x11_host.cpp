#include "x11_host.h"

#include <QGuiApplication>

#include <X11/Xlib.h>

namespace velvora::conformance {
namespace {

Display* QtsDisplay() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->display() : nullptr;
}

}  // namespace

std::optional<std::uint32_t> CreateX11Window(int width, int height) {
  Display* display = QtsDisplay();
  if (!display) return std::nullopt;
  const ::Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0,
                                              static_cast<unsigned>(width), static_cast<unsigned>(height), 0, 0, 0);
  XMapWindow(display, window);
  XSync(display, False);
  return static_cast<std::uint32_t>(window);
}

void DestroyX11Window(std::uint32_t window) {
  if (Display* display = QtsDisplay()) {
    XDestroyWindow(display, window);
    XSync(display, False);
  }
}

}  // namespace velvora::conformance
