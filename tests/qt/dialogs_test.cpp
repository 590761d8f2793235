// Message boxes by style, the colour dialog and the run-time error box.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QColorDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "qt_fixture.h"
#include "runtime/errors.h"

namespace velvora::test {
namespace {

struct Seen {
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Opens a box of the style, records what it shows and answers it with `act`.
int Ask(int style, Seen& seen, const std::function<void(QMessageBox&)>& act) {
  QtSession s;
  OnNextModal([&](QWidget* modal) {
    auto& box = *qobject_cast<QMessageBox*>(modal);
    seen = {box.windowTitle(), box.text(), box.icon(), box.standardButtons(),
            box.standardButton(box.defaultButton())};
    act(box);
  });
  return s.platform.MsgBox("Are you sure?", style, "Velvora");
}

std::function<void(QMessageBox&)> Press(QMessageBox::StandardButton which) {
  return [which](QMessageBox& box) { box.button(which)->click(); };
}

// Escape, then (if the box is still open) the close box, then a button so the test ends.
std::function<void(QMessageBox&)> EscapeThenClose(bool& stayedOpen) {
  return [&stayedOpen](QMessageBox& box) {
    QTest::keyClick(&box, Qt::Key_Escape);
    if (box.isVisible()) box.close();
    stayedOpen = box.isVisible();
    if (stayedOpen) box.button(QMessageBox::Yes)->click();
  };
}

TEST(QtMessageBoxes, EachStyleShowsItsButtonsIconAndDefaultAndAnswersWithItsCodes) {
  Seen seen;
  EXPECT_EQ(Ask(0x33, seen, Press(QMessageBox::No)), 7);
  EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_EQ(seen.icon, QMessageBox::Warning);
  EXPECT_EQ(seen.defaultButton, QMessageBox::Yes);
  EXPECT_EQ(seen.title, "Velvora");
  EXPECT_EQ(seen.text, "Are you sure?");

  EXPECT_EQ(Ask(0x24, seen, Press(QMessageBox::Yes)), 6);
  EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(seen.icon, QMessageBox::Question);

  EXPECT_EQ(Ask(0x14, seen, Press(QMessageBox::No)), 7);
  EXPECT_EQ(seen.icon, QMessageBox::Critical);

  EXPECT_EQ(Ask(0x40, seen, Press(QMessageBox::Ok)), 1);
  EXPECT_EQ(seen.buttons, QMessageBox::Ok);
  EXPECT_EQ(seen.icon, QMessageBox::Information);

  EXPECT_EQ(Ask(0x30 | 0x100 | 0x3, seen, Press(QMessageBox::Cancel)), 2);
  EXPECT_EQ(seen.defaultButton, QMessageBox::No);  // the second button
}

TEST(QtMessageBoxes, EscapeAndTheCloseBoxAnswerCancelOnlyWhereThereIsOne) {
  Seen seen;
  bool stayedOpen = false;
  EXPECT_EQ(Ask(0x33, seen, [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }), 2);
  EXPECT_EQ(Ask(0x33, seen, [](QMessageBox& box) { box.close(); }), 2);
  EXPECT_EQ(Ask(0x24, seen, EscapeThenClose(stayedOpen)), 6);
  EXPECT_TRUE(stayedOpen);  // Yes/No cannot be dismissed
  EXPECT_EQ(Ask(0x40, seen, [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }), 1);
}

TEST(QtMessageBoxes, RunTimeErrorBoxCarriesNumberAndText) {
  QtSession s;
  Seen seen;
  OnNextModal([&](QWidget* modal) {
    auto& box = *qobject_cast<QMessageBox*>(modal);
    seen = {box.windowTitle(), box.text(), box.icon(), box.standardButtons()};
    box.button(QMessageBox::Ok)->click();
  });
  s.platform.ShowErrorBox(RunTimeErrorBox(RuntimeError(ErrorNumber::TypeMismatch)));
  EXPECT_EQ(seen.title, "Velvora");
  EXPECT_EQ(seen.text, "Run-time error '13':\n\nType mismatch");
  EXPECT_EQ(seen.buttons, QMessageBox::Ok);
}

TEST(QtColourDialog, OpensWithTheCurrentColourAndReturnsTheChoice) {
  QtSession s;
  QColor shown;
  OnNextModal([&](QWidget* modal) {
    auto& dialog = *qobject_cast<QColorDialog*>(modal);
    shown = dialog.currentColor();
    dialog.setCurrentColor(QColor(1, 2, 3));
    dialog.accept();
  });
  std::int32_t colour = kButtonFace;  // a system colour is shown as the desktop paints it
  EXPECT_TRUE(s.platform.ChooseColor(colour));
  EXPECT_EQ(shown, QApplication::palette().color(QPalette::Button));
  EXPECT_EQ(colour, Rgb(1, 2, 3));

  OnNextModal([&](QWidget* modal) {
    shown = qobject_cast<QColorDialog*>(modal)->currentColor();
    qobject_cast<QColorDialog*>(modal)->reject();
  });
  colour = Rgb(200, 100, 50);
  EXPECT_FALSE(s.platform.ChooseColor(colour));
  EXPECT_EQ(shown, QColor(200, 100, 50));
  EXPECT_EQ(colour, Rgb(200, 100, 50));
}

}  // namespace
}  // namespace velvora::test
