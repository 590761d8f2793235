#include "backends/qt/qt_form_view.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "forms/program.h"
#include "backends/qt/qt_control_binding.h"
#include "backends/qt/qt_monitors.h"
#include "backends/qt/qt_window.h"
#include "backends/qt/qt_platform.h"
#include "backends/qt/qt_units.h"
#include "backends/qt/x11_display.h"

namespace velvora::qt {
namespace {

constexpr int kHostPollMs = 250;

// Drawing into a host looks as if the host drew: its pointer shows over the embedded window
// (xscreensaver's blank one over the show), not the arrow Qt gives every top-level window.
class HostPointer final : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    // Qt sets its pointer when the window's pointer changes, when it is shown and when the
    // pointer enters; each time it is undone once Qt is through.
    const QEvent::Type type = event->type();
    if (type == QEvent::CursorChange || type == QEvent::Show || type == QEvent::Enter) {
      const WId window = static_cast<QWindow*>(watched)->winId();
      QMetaObject::invokeMethod(this, [window] { x11::UseParentPointer(window); }, Qt::QueuedConnection);
    }
    return false;
  }
};

Qt::WindowFlags FlagsFor(const FormDesign& d) {
  Qt::WindowFlags buttons = Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (d.minButton) buttons |= Qt::WindowMinimizeButtonHint;
  if (d.maxButton) buttons |= Qt::WindowMaximizeButtonHint;
  switch (d.border) {
    case BorderStyle::None: return Qt::Window | Qt::FramelessWindowHint;
    case BorderStyle::FixedToolWindow:
      return Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    case BorderStyle::FixedDialog:
      return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    case BorderStyle::Fixed:
    case BorderStyle::Sizable: return Qt::Window | Qt::CustomizeWindowHint | buttons;
  }
  return Qt::Window;
}

}  // namespace

QtFormView::QtFormView(QtPlatform& platform, Form& form) : platform_(platform), form_(form) {
  const FormDesign& d = form.Design();
  window_ = new FormWindow(this);
  window_->setObjectName(QString::fromStdString(form.Name()));
  window_->setWindowFlags(FlagsFor(d));
  window_->setWindowTitle(QString::fromStdString(form.Caption()));
  const QString icon = AssetPath(std::string(d.icon));
  if (!icon.isEmpty()) window_->setWindowIcon(QIcon(icon));
  const QSize client(ToPixels(d.clientWidth), ToPixels(d.clientHeight));
  const bool fixed = d.border == BorderStyle::Fixed || d.border == BorderStyle::FixedDialog ||
                     d.border == BorderStyle::FixedToolWindow;
  if (fixed) {
    window_->setFixedSize(client);
  } else {
    window_->resize(client);
  }
  // A new window starts on the primary monitor, as the platform's default place is there (X
  // would take the monitor at the screen's 0, 0, which need not be the primary).
  window_->setScreen(QGuiApplication::primaryScreen());
  window_->move(DesktopOrigin());
  window_->setAutoFillBackground(true);
  ApplyBackColor();
  style = InitialWindowStyle(d);

  // Containers come before the controls they hold in design order.
  for (const auto& control : form.Controls()) {
    Control* container = control->Container();
    auto found = container ? byControl_.find(container) : byControl_.end();
    QWidget* holder = found != byControl_.end() ? found->second->ChildParent() : window_.data();
    if (ControlBinding* binding = Bind(*this, *control, holder)) {
      bindings_.push_back(binding);
      byControl_[control.get()] = binding;
    }
  }
  for (Control* control : form.StackingOrder()) {
    if (QWidget* widget = WidgetOf(*control)) widget->raise();
  }
  for (ControlBinding* binding : bindings_) binding->ApplyAll();
  ApplyTabOrder();
  handle_ = static_cast<Hwnd>(window_->winId());
  platform_.Register(*this);
}

QtFormView::~QtFormView() {
  platform_.Unregister(*this);
  for (ControlBinding* binding : bindings_) binding->Detach();
  if (hostWatch_) hostWatch_->stop();
  if (window_) {
    window_->Detach();
    window_->hide();
    // The window may be in the middle of delivering the event that unloaded its form.
    window_->deleteLater();
  }
}

QWidget* QtFormView::window() const { return window_.data(); }

QWidget* QtFormView::WidgetOf(const Control& control) const {
  auto it = byControl_.find(&control);
  return it == byControl_.end() ? nullptr : it->second->widget();
}

void QtFormView::ApplyBackColor() {
  QPalette palette = window_->palette();
  palette.setColor(QPalette::Window, ToQColor(form_.BackColor()));
  window_->setPalette(palette);
}

// Widgets that cannot take the focus (labels) keep out of the chain.
void QtFormView::ApplyTabOrder() {
  std::vector<QWidget*> order;
  for (Control* control : form_.TabOrder()) {
    QWidget* w = WidgetOf(*control);
    if (w && w->focusPolicy() != Qt::NoFocus) order.push_back(w);
  }
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
  if (!order.empty()) order.front()->setFocus();
}

void QtFormView::FormChanged(Prop what) {
  switch (what) {
    case Prop::Caption: window_->setWindowTitle(QString::fromStdString(form_.Caption())); break;
    case Prop::BackColor: ApplyBackColor(); break;
    case Prop::Visible:
      if (form_.Visible()) {
        ShowAsDesigned();
      } else {
        window_->hide();
      }
      break;
    case Prop::WindowState:
      if (window_->isVisible()) ShowAsDesigned();
      break;
    case Prop::ZOrder:
      window_->raise();
      window_->activateWindow();
      break;
    case Prop::Repaint: window_->repaint(); break;
    // Only Windows' hosts name an owner; the owner word reads it back.
    case Prop::Owner: owner = form_.OwnerWindow(); break;
    default: break;
  }
}

// An embedded window's place is in its host; a top-level window's on the desktop.
QPoint QtFormView::Origin() const { return embedded_ ? QPoint() : DesktopOrigin(); }

QRect QtFormView::Geometry() const { return window_->geometry().translated(-Origin()); }

TwipsRect QtFormView::Frame() const {
  const QRect frame = window_->frameGeometry().translated(-Origin());
  return {ToTwips(frame.x()), ToTwips(frame.y()), ToTwips(frame.width()), ToTwips(frame.height())};
}

void QtFormView::MoveFrame(float left, float top) { window_->move(QPoint(ToPixels(left), ToPixels(top)) + Origin()); }

// Full screen on the monitor's screen, the geometry set first so that it also covers the
// monitor where no window manager would; it does not take the focus from the window that has it.
void QtFormView::CoverMonitor(const TwipsRect& monitor) {
  const QRect area =
      QRect(ToPixels(monitor.left), ToPixels(monitor.top), ToPixels(monitor.width), ToPixels(monitor.height))
          .translated(Origin());
  SetTopmost();
  if (QScreen* screen = QGuiApplication::screenAt(area.center())) window_->setScreen(screen);
  window_->setAttribute(Qt::WA_ShowWithoutActivating, !window_->isVisible());
  window_->setGeometry(area);
  window_->showFullScreen();
  // The stay-on-top flag made the native window afresh inside the show: the pointer is blank
  // over the new one from the start, not only once the show event's timer runs.
  NativeWindowMade();
}

void QtFormView::ShowAsDesigned() {
  if (embedded_) {
    window_->show();
    return;
  }
  switch (form_.GetWindowState()) {
    case WindowState::Maximized:
      // A borderless maximised window covers the whole screen (also where no window manager
      // would do it for us).
      if (form_.Design().border == BorderStyle::None) {
        if (const QScreen* screen = window_->screen()) window_->setGeometry(screen->geometry());
        window_->showFullScreen();
      } else {
        window_->showMaximized();
      }
      break;
    case WindowState::Minimized: window_->showMinimized(); break;
    case WindowState::Normal: window_->showNormal(); break;
  }
}

void QtFormView::ControlChanged(Control& control, Prop what) {
  auto it = byControl_.find(&control);
  if (it != byControl_.end()) it->second->Apply(what);
}

void QtFormView::Report(Control* control, const InputEvent& event) {
  form_.program().Raise(form_, control, event);
}

bool QtFormView::FirstReportOf(const QMouseEvent& event) {
  if (event.timestamp() == lastMoveTimestamp_ && event.globalPosition() == lastMoveAt_) return false;
  lastMoveTimestamp_ = event.timestamp();
  lastMoveAt_ = event.globalPosition();
  return true;
}

// ---- geometry reported to the form ----

void QtFormView::WindowGeometryChanged() {
  const QRect client = Geometry();
  form_.PlatformGeometry(ToTwips(client.x()), ToTwips(client.y()), ToTwips(client.width()),
                         ToTwips(client.height()));
}

void QtFormView::NativeWindowMade() { platform_.NativeWindowMade(); }

void QtFormView::WindowShown() {
  WindowGeometryChanged();
  form_.PlatformVisible(true);
}

// ---- system calls ----

void QtFormView::EmbedInto(Hwnd host) {
  embedded_ = true;
  parent = host;
  window_->setAttribute(Qt::WA_ShowWithoutActivating);
  handle_ = static_cast<Hwnd>(window_->winId());
  window_->windowHandle()->setParent(QWindow::fromWinId(static_cast<WId>(static_cast<std::uint32_t>(host))));
  hostSize_ = x11::WindowSize(static_cast<std::uint32_t>(host));
  if (!hostWatch_) {
    window_->windowHandle()->installEventFilter(new HostPointer(window_));
    hostWatch_ = new QTimer(window_);
    QObject::connect(hostWatch_, &QTimer::timeout, window_, [this, host] {
      const std::optional<QSize> size = x11::WindowSize(static_cast<std::uint32_t>(host));
      if (!size) {
        hostWatch_->stop();
        Report(nullptr, {.kind = InputKind::HostGone});
        return;
      }
      // Drawing into the host is a child that covers it, so the child follows when the host
      // changes size (xscreensaver's window on a new monitor, its settings' preview pane).
      if (hostSize_ && *size != *hostSize_) window_->resize(*size);
      hostSize_ = size;
    });
  }
  hostWatch_->start(kHostPollMs);
}

void QtFormView::SetTopmost() {
  if (window_->windowFlags() & Qt::WindowStaysOnTopHint) return;
  const bool visible = window_->isVisible();
  const bool fullScreen = window_->isFullScreen();
  window_->setWindowFlag(Qt::WindowStaysOnTopHint, true);
  if (!visible) return;
  // Changing a window's flags hides it; it comes back as it was.
  if (fullScreen) {
    window_->showFullScreen();
  } else {
    window_->show();
  }
}

void QtFormView::Place(const QRect* geometry, bool show, bool activate) {
  if (geometry) {
    // A size set by the system call overrides the design's fixed size.
    if (window_->minimumSize() == window_->maximumSize()) window_->setFixedSize(geometry->size());
    window_->setGeometry(geometry->translated(Origin()));
  }
  if (!show) return;
  window_->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
  window_->show();
}

}  // namespace velvora::qt
