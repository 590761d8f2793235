// Message boxes, the colour dialog and the run-time error box, each modal until answered or
// until the program quits.
#include <QAbstractButton>
#include <QColorDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QMessageBox>
#include <map>

#include "forms/program.h"
#include "backends/qt/qt_platform.h"
#include "backends/qt/qt_units.h"

namespace velvora::qt {
namespace {

QMessageBox::StandardButton ButtonFor(int answer) {
  switch (answer) {
    case mb::kAnswerYes: return QMessageBox::Yes;
    case mb::kAnswerNo: return QMessageBox::No;
    case mb::kAnswerCancel: return QMessageBox::Cancel;
    default: return QMessageBox::Ok;
  }
}

QMessageBox::Icon IconFor(int style) {
  switch (style & mb::kIconMask) {
    case mb::kIconStop: return QMessageBox::Critical;
    case mb::kIconQuestion: return QMessageBox::Question;
    case mb::kIconExclamation: return QMessageBox::Warning;
    case mb::kIconInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

// A box without a Cancel button cannot be dismissed but by one of its buttons, except the
// single OK of an information box, which Escape and the close box answer.
class NoEscape final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Close) {
      event->ignore();
      return true;
    }
    return event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
  }
};

}  // namespace

int QtPlatform::MsgBox(const std::string& prompt, int style, const std::string& title) {
  QMessageBox box(IconFor(style), QString::fromStdString(title),
                  QString::fromStdString(prompt));
  box.setTextFormat(Qt::PlainText);
  std::map<QAbstractButton*, int> answers;
  const std::vector<int> buttons = mb::Buttons(style);
  for (int answer : buttons) answers[box.addButton(ButtonFor(answer))] = answer;
  box.setDefaultButton(ButtonFor(mb::DefaultAnswer(style)));
  const bool hasCancel = std::find(buttons.begin(), buttons.end(), mb::kAnswerCancel) != buttons.end();
  const bool okOnly = buttons.size() == 1;
  NoEscape noEscape;
  if (hasCancel) {
    box.setEscapeButton(ButtonFor(mb::kAnswerCancel));
  } else if (!okOnly) {
    box.setWindowFlag(Qt::WindowCloseButtonHint, false);
    box.installEventFilter(&noEscape);
  }
  box.exec();
  auto it = answers.find(box.clickedButton());
  if (it != answers.end()) return it->second;
  return hasCancel ? mb::kAnswerCancel : buttons.front();
}

bool QtPlatform::ChooseColor(std::int32_t& colour) {
  QColorDialog dialog(ToQColor(colour));
  dialog.setWindowTitle(QString::fromUtf8(Program::kTitle));
  if (dialog.exec() != QDialog::Accepted) return false;
  colour = FromQColor(dialog.selectedColor());
  return true;
}

void QtPlatform::ShowErrorBox(const ErrorBox& box) { MsgBox(box.text, box.style, box.caption); }

}  // namespace velvora::qt
