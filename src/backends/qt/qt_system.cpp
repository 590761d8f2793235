// The named system calls on a Linux desktop. There is no taskbar to disable and no screen-saver
// password service; the screen saver switch reaches the X server's own screen saver and the
// desktop session's; the window calls act on our windows and embed into a foreign X11 window
// for the preview.
#include <QCursor>
#include <QGuiApplication>
#include <QWidget>
#include <cstring>

#include "backends/qt/qt_form_view.h"
#include "backends/qt/qt_platform.h"
#include "backends/qt/x11_display.h"

namespace velvora::qt {

std::int32_t QtPlatform::ShowCursor(std::int32_t show) {
  const std::int32_t count = cursor_.Change(show);
  ApplyCursor();
  return count;
}

void QtPlatform::ApplyCursor() {
  const bool blank = cursor_.PointerHidden();
  if (blank == cursorBlanked_) return;
  cursorBlanked_ = blank;
  if (blank) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
  } else {
    QGuiApplication::restoreOverrideCursor();
  }
}

// Qt gives the override cursor to the native windows that exist when it is set or changed.
void QtPlatform::NativeWindowMade() {
  if (cursorBlanked_) QGuiApplication::changeOverrideCursor(QCursor(Qt::BlankCursor));
}

std::int32_t QtPlatform::GetClientRect(Hwnd window, WinRect& rect) {
  if (QtFormView* view = ViewOf(window)) {
    rect = {0, 0, view->window()->width(), view->window()->height()};
    return 1;
  }
  // A foreign window: Qt reports 0 x 0 for those, the X server knows.
  if (auto size = x11::WindowSize(static_cast<std::uint32_t>(window))) {
    rect = {0, 0, size->width(), size->height()};
    return 1;
  }
  return 0;
}

std::int32_t QtPlatform::GetWindowLongA(Hwnd window, std::int32_t index) {
  QtFormView* view = ViewOf(window);
  if (!view) return 0;
  return index == kGwlStyle ? view->style : index == kGwlHwndParent ? view->owner : 0;
}

std::int32_t QtPlatform::SetWindowLongA(Hwnd window, std::int32_t index, std::int32_t value) {
  QtFormView* view = ViewOf(window);
  if (!view || (index != kGwlStyle && index != kGwlHwndParent)) return 0;
  std::int32_t& field = index == kGwlStyle ? view->style : view->owner;
  const std::int32_t old = field;
  field = value;
  return old;
}

Hwnd QtPlatform::SetParent(Hwnd child, Hwnd parent) {
  QtFormView* view = ViewOf(child);
  if (!view || !x11::WindowSize(static_cast<std::uint32_t>(parent))) return 0;
  const Hwnd old = view->parent;
  // Embedding may give the window a new native handle.
  Unregister(*view);
  view->EmbedInto(parent);
  Register(*view);
  return old;
}

std::int32_t QtPlatform::SetWindowPos(Hwnd window, Hwnd insertAfter, std::int32_t x, std::int32_t y,
                                      std::int32_t cx, std::int32_t cy, std::uint32_t flags) {
  QtFormView* view = ViewOf(window);
  if (!view) return 0;
  QRect geometry = view->Geometry();
  if (!(flags & kSwpNoMove)) geometry.moveTopLeft({x, y});
  if (!(flags & kSwpNoSize)) geometry.setSize({cx, cy});
  if (!(flags & kSwpNoZOrder) && insertAfter == kHwndTopmost) view->SetTopmost();
  const bool moves = (flags & (kSwpNoSize | kSwpNoMove)) != (kSwpNoSize | kSwpNoMove);
  view->Place(moves ? &geometry : nullptr, (flags & kSwpShowWindow) != 0, !(flags & kSwpNoActivate));
  return 1;
}

std::int32_t QtPlatform::SystemParametersInfoA(std::uint32_t action, std::uint32_t param, void* buffer,
                                               std::uint32_t) {
  if (action == kSpiSetScreenSaveActive) {
    // Off: the X server neither blanks nor starts its own saver while the slideshow runs.
    const bool suspend = param == 0;
    x11::SuspendScreenSaver(suspend);
    saverSuspended_ = suspend;
    // Nor does the desktop session's saver (GNOME, KDE...), which blanks and locks by itself.
    sessionInhibit_.Hold(suspend);
    return 1;
  }
  if (action == kSpiScreenSaverRunning) {
    if (buffer) std::memcpy(buffer, &saverRunning_, sizeof saverRunning_);
    saverRunning_ = static_cast<std::int32_t>(param);
    return 1;
  }
  return 0;
}

Hwnd QtPlatform::FindWindowA(const char*, const char*) { return 0; }

std::int32_t QtPlatform::IsWindow(Hwnd window) {
  return ViewOf(window) || x11::WindowSize(static_cast<std::uint32_t>(window)) ? 1 : 0;
}

std::int32_t QtPlatform::IsWindowEnabled(Hwnd window) {
  QtFormView* view = ViewOf(window);
  return view && view->window()->isEnabled() ? 1 : 0;
}

std::int32_t QtPlatform::EnableWindow(Hwnd window, std::int32_t enable) {
  QtFormView* view = ViewOf(window);
  if (!view) return 0;
  const bool wasDisabled = !view->window()->isEnabled();
  view->window()->setEnabled(enable != 0);
  return wasDisabled ? 1 : 0;
}

// Fixed numbers: an NT-line 5.1 system. The family test then finds no password services and no
// taskbar to guard, which is the truth on a Linux desktop.
std::int32_t QtPlatform::GetVersionExA(OsVersionInfo& info) {
  info.major = 5;
  info.minor = 1;
  info.build = 2600;
  info.platformId = 2;
  std::memset(info.servicePack, 0, sizeof info.servicePack);
  return 1;
}

std::int32_t QtPlatform::PwdChangePasswordA(const char*, Hwnd, std::int32_t, std::int32_t) { return 0; }

// Without a password service every close is accepted.
std::int32_t QtPlatform::VerifyScreenSavePwd(Hwnd) { return 1; }

}  // namespace velvora::qt
