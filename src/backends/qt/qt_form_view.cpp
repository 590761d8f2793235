#include "backends/qt/qt_form_view.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "forms/program.h"
#include "backends/qt/qt_control_binding.h"
#include "backends/qt/qt_window.h"
#include "backends/qt/qt_platform.h"
#include "backends/qt/qt_units.h"
#include "backends/qt/x11_display.h"

namespace velvora::qt {
namespace {

constexpr std::int32_t kPopupStyle = static_cast<std::int32_t>(0x80000000u);
constexpr std::int32_t kOverlappedStyle = 0x00CF0000;
constexpr int kHostPollMs = 250;

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
  window_->setAutoFillBackground(true);
  ApplyBackColor();
  style = d.border == BorderStyle::None ? kPopupStyle : kOverlappedStyle;

  // Controls in design order: a later one lies above an earlier one it overlaps, except inside
  // a picture control, where the first lies on top (the text line over the slideshow picture,
  // the slideshow picture over the design picture).
  for (const auto& control : form.Controls()) {
    Control* container = control->Container();
    auto found = container ? byControl_.find(container) : byControl_.end();
    QWidget* holder = found != byControl_.end() ? found->second->ChildParent() : window_.data();
    if (ControlBinding* binding = Bind(*this, *control, holder)) {
      bindings_.push_back(binding);
      byControl_[control.get()] = binding;
      if (container && container->Kind() == ControlKind::FXImage) binding->widget()->lower();
    }
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

void QtFormView::ApplyTabOrder() {
  std::vector<std::pair<int, QWidget*>> order;
  for (const auto& control : form_.Controls()) {
    QWidget* w = WidgetOf(*control);
    if (w && control->TabIndex() >= 0 && w->focusPolicy() != Qt::NoFocus) {
      order.emplace_back(control->TabIndex(), w);
    }
  }
  std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1].second, order[i].second);
  if (!order.empty()) order.front().second->setFocus();
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
    default: break;
  }
}

void QtFormView::ShowAsDesigned() {
  if (embedded_) {
    window_->show();
    return;
  }
  if (!placed_ && form_.Design().start != StartPosition::Default) {
    // Centred on the screen (a window without an owner is centred over the screen too).
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen) {
      QRect frame(QPoint(0, 0), window_->frameGeometry().size());
      frame.moveCenter(screen->availableGeometry().center());
      window_->move(frame.topLeft());
    }
  }
  placed_ = true;
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
  Form& form = form_;
  platform_.Deliver([&form, control, &event] { form.program().Raise(form, control, event); });
}

bool QtFormView::FirstReportOf(const QMouseEvent& event) {
  if (event.timestamp() == lastMoveTimestamp_ && event.globalPosition() == lastMoveAt_) return false;
  lastMoveTimestamp_ = event.timestamp();
  lastMoveAt_ = event.globalPosition();
  return true;
}

// ---- geometry reported to the form ----

void QtFormView::WindowGeometryChanged() {
  const QRect client = window_->geometry();
  form_.PlatformGeometry(ToTwips(client.x()), ToTwips(client.y()), ToTwips(client.width()),
                         ToTwips(client.height()));
  if (window_->isVisible() && client.size() != reportedSize_) PostResize();
}

void QtFormView::WindowShown() {
  platform_.WindowShown();
  form_.PlatformVisible(true);
  WindowGeometryChanged();
  PostResize();  // the first showing always reports a size
}

// Resize events are queued, as the platform delivers them after the call that caused them.
void QtFormView::PostResize() {
  reportedSize_ = window_->size();
  if (resizePending_) return;
  resizePending_ = true;
  FormWindow* window = window_.data();
  QTimer::singleShot(0, window, [this, window] {
    if (!window->IsAttached()) return;
    resizePending_ = false;
    Report(nullptr, {.kind = InputKind::Resize});
  });
}

// ---- system calls ----

void QtFormView::EmbedInto(Hwnd host) {
  embedded_ = true;
  parent = host;
  window_->setAttribute(Qt::WA_ShowWithoutActivating);
  handle_ = static_cast<Hwnd>(window_->winId());
  window_->windowHandle()->setParent(QWindow::fromWinId(static_cast<WId>(static_cast<std::uint32_t>(host))));
  if (!hostWatch_) {
    hostWatch_ = new QTimer(window_);
    QObject::connect(hostWatch_, &QTimer::timeout, window_, [this, host] {
      if (!x11::WindowSize(static_cast<std::uint32_t>(host))) HostGone();
    });
  }
  hostWatch_->start(kHostPollMs);
}

// The host's window is gone: the form closes as if from its control menu.
void QtFormView::HostGone() {
  hostWatch_->stop();
  Form& form = form_;
  platform_.Deliver([&form] {
    Program& program = form.program();
    program.Dispatch([&] { program.Unload(form, kUnloadFromControlMenu); });
  });
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
    window_->setGeometry(*geometry);
  }
  if (!show) return;
  window_->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
  window_->show();
}

}  // namespace velvora::qt
