#include "qt_fixture.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QTest>
#include <QTimer>

namespace velvora::test {

QWidget* QtSession::WindowOf(const Form& form) {
  auto* view = dynamic_cast<qt::QtFormView*>(form.View());
  return view ? view->window() : nullptr;
}

QWidget* QtSession::WidgetOf(const Form& form, const std::string& control) {
  auto* view = dynamic_cast<qt::QtFormView*>(form.View());
  const Control* c = form.Find(control);
  return view && c ? view->WidgetOf(*c) : nullptr;
}

bool WaitFor(const std::function<bool()>& done, int ms) {
  QDeadlineTimer deadline(ms);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QTest::qWait(5);
  }
  return true;
}

void OnNextModal(std::function<void(QWidget*)> act) {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, act = std::move(act)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    act(modal);
  });
  poll->start(10);
}

std::string SaveArtefact(const QImage& image, const std::string& name) {
  QDir().mkpath(VELVORA_ARTEFACTS);
  const QString path = QString(VELVORA_ARTEFACTS) + "/" + QString::fromStdString(name) + ".png";
  image.save(path);
  return path.toStdString();
}

std::string SaveScreenshot(QWidget* widget, const std::string& name) {
  QTest::qWait(50);  // lists fill on the next turn of the event loop
  return SaveArtefact(widget->grab().toImage(), name);
}

}  // namespace velvora::test
