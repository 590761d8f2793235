// Forms realised as Qt windows: widgets at their pixel rectangles, model changes mirrored,
// user input reported back through the program.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "gallery_form.h"
#include "backends/qt/qt_units.h"
#include "qt_fixture.h"

namespace velvora::test {
namespace {

struct Shown {
  Shown() {
    session.program.Start([](Program& p) { p.Use<frmGallery>().Show(); });
    form = session.program.IfLoaded<frmGallery>();
    window = QtSession::WindowOf(*form);
    QApplication::setActiveWindow(window);
    WaitFor([&] { return window->isVisible(); });
  }
  template <class W>
  W* Widget(const std::string& name) {
    return qobject_cast<W*>(QtSession::WidgetOf(*form, name));
  }
  QtSession session;
  frmGallery* form = nullptr;
  QWidget* window;
};

TEST(QtWindows, EveryControlKindTakesItsPixelRectangleAndTexts) {
  ASSERT_DOUBLE_EQ(qt::TwipsPerPixel(), 15.0);
  Shown s;
  EXPECT_EQ(s.window->size(), QSize(400, 300));
  EXPECT_EQ(s.window->windowTitle(), "Gallery");
  EXPECT_EQ(s.window->minimumSize(), s.window->maximumSize());  // a fixed dialog

  const std::map<std::string, QRect> expected = {
      {"lblTitle", {8, 8, 160, 17}},   {"txtName", {8, 32, 100, 19}},   {"cmdGo", {8, 56, 80, 25}},
      {"fraBox", {184, 8, 200, 120}},  {"optA", {8, 16, 80, 17}},       {"optB", {8, 40, 80, 17}},
      {"chkOn", {8, 80, 100, 17}},     {"vsNum", {104, 32, 17, 25}},    {"lstItems", {8, 88, 160, 56}},
      {"filFiles", {184, 136, 100, 80}}, {"dirTree", {288, 136, 100, 80}}, {"drvRoots", {8, 152, 100, 21}},
      {"imgPic", {8, 184, 100, 80}},   {"lblFx", {0, 0, 100, 40}},      {"pnl", {120, 184, 60, 60}},
      {"cmd3d", {184, 224, 100, 33}},  {"lin1", {8, 148, 161, 1}}};
  for (const auto& [name, rect] : expected) {
    QWidget* w = QtSession::WidgetOf(*s.form, name);
    ASSERT_NE(w, nullptr) << name;
    EXPECT_EQ(w->geometry(), rect) << name;
  }
  // Contained controls lie in their container's widget.
  EXPECT_EQ(QtSession::WidgetOf(*s.form, "optA")->parentWidget(), QtSession::WidgetOf(*s.form, "fraBox"));
  EXPECT_EQ(QtSession::WidgetOf(*s.form, "lblFx")->parentWidget(), QtSession::WidgetOf(*s.form, "imgPic"));
  // Timers and the colour dialog have no window area.
  EXPECT_EQ(QtSession::WidgetOf(*s.form, "tmr"), nullptr);
  EXPECT_EQ(QtSession::WidgetOf(*s.form, "dlgColour"), nullptr);

  EXPECT_EQ(s.Widget<QLabel>("lblTitle")->text(), "Hello, gallery");
  EXPECT_EQ(s.Widget<QLineEdit>("txtName")->text(), "abc");
  EXPECT_EQ(s.Widget<QPushButton>("cmdGo")->text(), "&Go");
  EXPECT_EQ(s.Widget<QPushButton>("cmdGo")->toolTip(), "Go now");
  EXPECT_EQ(s.Widget<QGroupBox>("fraBox")->title(), "Box");
  EXPECT_EQ(s.Widget<QRadioButton>("optB")->text(), "B");
  EXPECT_EQ(s.Widget<QScrollBar>("vsNum")->minimum(), 1);
  EXPECT_EQ(s.Widget<QScrollBar>("vsNum")->maximum(), 99);
  EXPECT_EQ(s.Widget<QScrollBar>("vsNum")->value(), 50);
  EXPECT_EQ(s.Widget<QComboBox>("drvRoots")->itemText(0), "/");

  const QLabel* title = s.Widget<QLabel>("lblTitle");
  EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(0, 255, 0));
  EXPECT_EQ(title->palette().color(QPalette::Window), QColor(0, 0, 0));
  EXPECT_EQ(title->font().family(), "Verdana");
  EXPECT_TRUE(title->font().bold());
  EXPECT_DOUBLE_EQ(title->font().pointSizeF(), 9.0);
  EXPECT_EQ(s.window->palette().color(QPalette::Window), QColor(0, 0, 128));
  // Design default colours on a field are the platform's field colours, elsewhere the button face.
  EXPECT_EQ(s.Widget<QLineEdit>("txtName")->palette().color(QPalette::Base),
            QApplication::palette().color(QPalette::Base));
  EXPECT_EQ(s.Widget<QRadioButton>("optA")->palette().color(QPalette::Window),
            QApplication::palette().color(QPalette::Button));

  SaveScreenshot(s.window, "gallery");
}

TEST(QtWindows, ModelChangesReachTheWidgets) {
  Shown s;
  s.form->SetCaption("Renamed");
  s.form->lblTitle.SetCaption("Changed");
  s.form->lblTitle.SetForeColor(kButtonText);
  s.form->txtName.SetText("xyz");
  s.form->cmdGo.SetEnabled(false);
  s.form->chkOn.SetValue(1);
  s.form->optB.SetValue(true);
  s.form->vsNum.SetValue(7);
  s.form->lblTitle.Move(240, 240, 1500, 300);
  s.form->pnl.SetVisible(false);
  EXPECT_EQ(s.window->windowTitle(), "Renamed");
  EXPECT_EQ(s.Widget<QLabel>("lblTitle")->text(), "Changed");
  EXPECT_EQ(s.Widget<QLabel>("lblTitle")->palette().color(QPalette::WindowText),
            QApplication::palette().color(QPalette::ButtonText));
  EXPECT_EQ(s.Widget<QLabel>("lblTitle")->geometry(), QRect(16, 16, 100, 20));
  EXPECT_EQ(s.Widget<QLineEdit>("txtName")->text(), "xyz");
  EXPECT_FALSE(s.Widget<QPushButton>("cmdGo")->isEnabled());
  EXPECT_TRUE(s.Widget<QCheckBox>("chkOn")->isChecked());
  EXPECT_TRUE(s.Widget<QRadioButton>("optB")->isChecked());
  EXPECT_EQ(s.Widget<QScrollBar>("vsNum")->value(), 7);
  EXPECT_FALSE(QtSession::WidgetOf(*s.form, "pnl")->isVisible());
  s.form->SetBackColor(Rgb(10, 20, 30));
  EXPECT_EQ(s.window->palette().color(QPalette::Window), QColor(10, 20, 30));
}

TEST(QtWindows, UserInputReachesTheModelThroughTheProgram) {
  Shown s;
  QTest::mouseClick(s.Widget<QPushButton>("cmdGo"), Qt::LeftButton);
  EXPECT_EQ(s.form->clicks, 1);

  auto* edit = s.Widget<QLineEdit>("txtName");
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, "hello");
  EXPECT_EQ(s.form->txtName.Text(), "hello");

  s.form->lstItems.AddItem("b");
  s.form->lstItems.AddItem("a");
  auto* list = s.Widget<QListWidget>("lstItems");
  ASSERT_TRUE(WaitFor([&] { return list->count() == 2; }));
  list->setCurrentRow(1);
  EXPECT_EQ(s.form->lstItems.ListIndex(), 1);
  EXPECT_EQ(s.form->lstItems.Text(), "b");

  s.Widget<QScrollBar>("vsNum")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(s.form->vsNum.Value(), 51);

  // An option clicked twice stays selected: the model, not the widget, decides.
  auto* optA = s.Widget<QRadioButton>("optA");
  const QPoint onIndicator(5, 8);
  QTest::mouseClick(optA, Qt::LeftButton, {}, onIndicator);
  QTest::mouseClick(optA, Qt::LeftButton, {}, onIndicator);
  EXPECT_TRUE(s.form->optA.Value());
  EXPECT_TRUE(optA->isChecked());
  QTest::mouseClick(s.Widget<QRadioButton>("optB"), Qt::LeftButton, {}, onIndicator);
  EXPECT_FALSE(optA->isChecked());
  QTest::mouseClick(s.Widget<QCheckBox>("chkOn"), Qt::LeftButton, {}, onIndicator);
  EXPECT_EQ(s.form->chkOn.Value(), 1);
}

TEST(QtWindows, ThreeDButtonReportsHighlightClickAndAccessKey) {
  Shown s;
  QWidget* button = QtSession::WidgetOf(*s.form, "cmd3d");
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(button, &enter);
  EXPECT_EQ(s.form->cmd3d.Appearance(), 3);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(button, &leave);
  EXPECT_EQ(s.form->cmd3d.Appearance(), 0);
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(s.form->clicks3d, 1);
  // Pressed inside but released outside is no click.
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(500, 5));
  EXPECT_EQ(s.form->clicks3d, 1);
  QTest::keyClick(s.window, Qt::Key_D, Qt::AltModifier);
  EXPECT_EQ(s.form->clicks3d, 2);
}

TEST(QtWindows, PointerMovesAreReportedOnceByTheControlUnderThePointer) {
  Shown s;
  QWidget* picture = QtSession::WidgetOf(*s.form, "imgPic");
  // Moves through the window system, as the pointer's own events come.
  const auto moveTo = [&](QWidget* w, QPoint at) {
    QTest::mouseMove(s.window->windowHandle(), w->mapTo(s.window, at));
  };
  // Over the styled label, which belongs to the picture it lies on.
  moveTo(picture, QPoint(10, 20));
  ASSERT_TRUE(WaitFor([&] { return !s.form->moves.empty(); }));
  EXPECT_FLOAT_EQ(s.form->moves.back().first, 150);
  EXPECT_FLOAT_EQ(s.form->moves.back().second, 300);
  const int formMoves = s.form->formMoves;
  moveTo(picture, QPoint(30, 60));
  ASSERT_TRUE(WaitFor([&] { return s.form->moves.size() >= 2; }));
  EXPECT_FLOAT_EQ(s.form->moves.back().first, 450);
  EXPECT_EQ(s.form->formMoves, formMoves);
  moveTo(s.window, QPoint(390, 290));
  EXPECT_TRUE(WaitFor([&] { return s.form->formMoves > formMoves; }));
}

TEST(QtWindows, KeysGoToTheFormOnlyWhenNoControlHasTheFocus) {
  Shown s;
  s.Widget<QLineEdit>("txtName")->setFocus();
  QTest::keyClick(s.window, Qt::Key_Q);
  EXPECT_TRUE(s.form->keys.empty());
  s.window->setFocus();
  QTest::keyClick(s.window, Qt::Key_Escape);
  ASSERT_EQ(s.form->keys.size(), 1u);
  EXPECT_EQ(s.form->keys[0], 27);
}

}  // namespace
}  // namespace velvora::test
