// The contracts on the Qt backend: the real event loop with bounded waits, modal boxes found
// and answered as a user would, and what the widgets show read back from Qt.
#include <QApplication>
#include <QColorDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "backend_harness.h"
#include "backends/qt/qt_form_view.h"
#include "backends/qt/qt_platform.h"
#include "backends/qt/qt_units.h"
#include "x11_host.h"

namespace velvora::conformance {
namespace {

constexpr int kPollMs = 5;
constexpr int kForceCloseMs = 3000;

QMessageBox::StandardButton ButtonOf(int answer) {
  switch (answer) {
    case mb::kAnswerYes: return QMessageBox::Yes;
    case mb::kAnswerNo: return QMessageBox::No;
    case mb::kAnswerCancel: return QMessageBox::Cancel;
    default: return QMessageBox::Ok;
  }
}

// Presses the button of an answer on a message box, or accepts (OK) or cancels a dialog.
void Press(QWidget* box, int answer) {
  if (auto* message = qobject_cast<QMessageBox*>(box)) {
    QAbstractButton* button = message->button(ButtonOf(answer));
    ASSERT_NE(button, nullptr) << "no button for answer " << answer;
    button->click();
  } else if (auto* dialog = qobject_cast<QDialog*>(box)) {
    if (answer == mb::kAnswerOk) {
      dialog->accept();
    } else {
      dialog->reject();
    }
  }
}

// Closes a box without choosing: its escape button, else its first; a dialog is cancelled.
void Dismiss(QWidget* box) {
  if (auto* message = qobject_cast<QMessageBox*>(box)) {
    QAbstractButton* button = message->escapeButton();
    (button ? button : message->buttons().front())->click();
  } else if (auto* dialog = qobject_cast<QDialog*>(box)) {
    dialog->reject();
  }
}

qt::QtFormView* ViewOf(const Form& form) { return dynamic_cast<qt::QtFormView*>(form.View()); }

class QtListProbe final : public ListProbe {
 public:
  explicit QtListProbe(QListWidget* list) : list_(list) {
    QObject::connect(list->model(), &QAbstractItemModel::modelReset, &context_, [this] { ++rebuilds_; });
  }
  int Count() const override { return list_ ? list_->count() : 0; }
  std::string Entry(int row) const override {
    const QListWidgetItem* item = list_ ? list_->item(row) : nullptr;
    return item ? item->text().toStdString() : std::string();
  }
  int CurrentRow() const override { return list_ ? list_->currentRow() : -1; }
  int Rebuilds() const override { return rebuilds_; }

 private:
  QPointer<QListWidget> list_;
  QObject context_;
  int rebuilds_ = 0;
};

class QtHarness final : public BackendHarness {
 public:
  // A program that ended before this one quit the event loop; Qt keeps every loop, a modal
  // box's included, from running until the application's own loop has run again.
  QtHarness() {
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
  }
  ~QtHarness() override {
    for (std::uint32_t host : hosts_) DestroyX11Window(host);
  }

  Platform platform() override { return platform_.platform(); }
  float TwipsPerPixel() const override { return static_cast<float>(qt::TwipsPerPixel()); }

  void Turn() override { QCoreApplication::processEvents(QEventLoop::AllEvents); }
  void Pass(int ms) override { QTest::qWait(ms); }
  bool Until(const std::function<bool()>& done, int boundMs) override {
    return QTest::qWaitFor(done, boundMs);
  }

  // A poll finds the box once it is open (inside its own loop) and answers it there.
  void AnswerNextBox(std::optional<int> answer, std::function<void()> whileOpen) override {
    auto* poll = new QTimer(&context_);
    QObject::connect(poll, &QTimer::timeout, poll, [this, poll, answer, whileOpen = std::move(whileOpen)] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal || !modal->isVisible()) return;
      poll->stop();
      poll->deleteLater();
      QPointer<QWidget> box = modal;
      if (whileOpen) whileOpen();
      if (!box) return;
      if (answer) {
        Press(box, *answer);
        return;
      }
      // The box should close by itself; if it does not, the contract fails instead of hanging.
      QTimer::singleShot(kForceCloseMs, box, [this, box] {
        ++forced_;
        Dismiss(box);
      });
    });
    poll->start(kPollMs);
  }
  bool BoxOpen() override {
    const QWidget* modal = QApplication::activeModalWidget();
    return modal && modal->isVisible();
  }
  int BoxesClosedByForce() const override { return forced_; }

  void PressCloseBox(Form& form) override { ViewOf(form)->window()->close(); }
  std::optional<Hwnd> MakeHostWindow(int width, int height) override {
    const auto host = CreateX11Window(width, height);
    if (!host) {
      why = "Qt's offscreen platform has no window server to embed into; the run of this suite "
            "under Xvfb (conformance_qt_x11) keeps this contract";
      return std::nullopt;
    }
    hosts_.push_back(*host);
    return static_cast<Hwnd>(*host);
  }
  void DestroyHostWindow(Hwnd host) override {
    DestroyX11Window(static_cast<std::uint32_t>(host));
    std::erase(hosts_, static_cast<std::uint32_t>(host));
  }

  // Any top-level widget with that native window, whether or not the platform still knows it.
  std::optional<RealisedWindow> Realised(Hwnd handle) override {
    for (const QWidget* window : QApplication::topLevelWidgets()) {
      if (window->internalWinId() == 0 || static_cast<Hwnd>(window->internalWinId()) != handle) continue;
      const QRect r = window->geometry();
      return RealisedWindow{.left = r.x(), .top = r.y(), .width = r.width(), .height = r.height(),
                            .shown = window->isVisible(),
                            .topmost = window->windowFlags().testFlag(Qt::WindowStaysOnTopHint)};
    }
    return std::nullopt;
  }

  // The widgets of the controls a container holds, in the order of their parent's children:
  // Qt keeps siblings from the bottom of the stack to the top.
  std::optional<std::vector<std::string>> Stacking(const Form& form, const Control* container) override {
    const qt::QtFormView* view = ViewOf(form);
    std::vector<const QWidget*> widgets;
    for (const auto& control : form.Controls()) {
      const QWidget* widget = control->Container() == container ? view->WidgetOf(*control) : nullptr;
      if (widget) widgets.push_back(widget);
    }
    const auto depth = [](const QWidget* w) { return w->parentWidget()->children().indexOf(w); };
    std::stable_sort(widgets.begin(), widgets.end(), [&](const QWidget* a, const QWidget* b) { return depth(a) < depth(b); });
    std::vector<std::string> names;
    for (const QWidget* widget : widgets) names.push_back(widget->objectName().toStdString());
    return names;
  }
  // The widget rendered now, as the screen would get it.
  std::optional<Painted> Paint(const Form& form, const Control& control) override {
    const QImage image =
        ViewOf(form)->WidgetOf(control)->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Painted painted{.width = image.width(), .height = image.height(), .pixels = {}};
    for (int y = 0; y < image.height(); ++y) {
      const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
      painted.pixels.insert(painted.pixels.end(), row, row + image.width());
    }
    return painted;
  }
  std::unique_ptr<ListProbe> ProbeList(const Form& form, const Control& list) override {
    auto* widget = qobject_cast<QListWidget*>(ViewOf(form)->WidgetOf(list));
    if (!widget) {
      why = "the list control has no list widget";
      return nullptr;
    }
    return std::make_unique<QtListProbe>(widget);
  }

 private:
  qt::QtPlatform platform_;
  QObject context_;  // owns the polls of boxes not yet opened
  std::vector<std::uint32_t> hosts_;
  int forced_ = 0;
};

}  // namespace

VELVORA_CONFORMANCE_BACKEND(Qt, [] { return std::unique_ptr<BackendHarness>(new QtHarness); });

}  // namespace velvora::conformance
