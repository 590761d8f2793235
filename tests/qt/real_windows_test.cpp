// The program's own windows on the desktop backend: frames, pixel rectangles at 96 DPI, texts,
// and a screenshot of each as a test artefact.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "backends/qt/qt_picture_widget.h"
#include "backends/qt/qt_threed_widgets.h"
#include "qt_fixture.h"
#include "saver/frm_saver.h"
#include "setup/frm_setup.h"
#include "startup/main_mode.h"
#include "windows/frm_help.h"
#include "windows/frm_options.h"

namespace velvora::test {
namespace {

QRect RectOf(const Form& form, const std::string& control) {
  QWidget* w = QtSession::WidgetOf(form, control);
  return w ? w->geometry() : QRect();
}

template <class F>
F& ShowWindow(QtSession& s) {
  F& form = s.program.Use<F>();
  form.Show();
  WaitFor([&] { return QtSession::WindowOf(form)->isVisible(); });
  return form;
}

TEST(QtProgramWindows, SetupDialogIsACentredFixedToolWindow) {
  QtSession s;
  auto& form = ShowWindow<frmSetup>(s);
  QWidget* window = QtSession::WindowOf(form);
  EXPECT_EQ(window->size(), QSize(572, 424));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_EQ(window->windowType(), Qt::Tool);
  const QPoint off = window->frameGeometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
  EXPECT_LE(off.manhattanLength(), 1);
  EXPECT_EQ(RectOf(form, "List1"), QRect(8, 72, 555, 56));
  EXPECT_EQ(RectOf(form, "Frame1"), QRect(304, 128, 259, 289));
  EXPECT_EQ(RectOf(form, "cmdExit"), QRect(144, 240, 109, 39));  // inside Frame1
  EXPECT_EQ(RectOf(form, "picture1"), QRect(320, 216, 121, 113));
  EXPECT_EQ(qobject_cast<QLabel*>(QtSession::WidgetOf(form, "Label2"))->text(), "Available Pictures List");
  EXPECT_EQ(qobject_cast<QLabel*>(QtSession::WidgetOf(form, "Label7"))->text(),
            "to Add it to the Pictures List.");
  EXPECT_EQ(QtSession::WidgetOf(form, "File1")->toolTip(), "Double - Click to ADD a picture ");
  SaveScreenshot(window, "frmSetup");
}

TEST(QtProgramWindows, HelpWindowIsResizableWithItsPanelFixed) {
  QtSession s;
  auto& form = ShowWindow<frmHelp>(s);
  QWidget* window = QtSession::WindowOf(form);
  EXPECT_EQ(window->windowTitle(), "Velvora - Help");
  EXPECT_EQ(window->size(), QSize(489, 417));
  EXPECT_NE(window->minimumSize(), window->maximumSize());
  EXPECT_EQ(RectOf(form, "SSPanel1"), QRect(0, 0, 489, 417));
  EXPECT_EQ(RectOf(form, "Label3"), QRect(24, 104, 369, 41));
  EXPECT_EQ(qobject_cast<QLabel*>(QtSession::WidgetOf(form, "Label3"))->text(),
            "Click on the: 'Add Picture' to add to the Available Pictures list.");
  EXPECT_TRUE(qobject_cast<QLabel*>(QtSession::WidgetOf(form, "Label3"))->wordWrap());
  window->resize(600, 500);
  EXPECT_EQ(RectOf(form, "SSPanel1"), QRect(0, 0, 489, 417));
  SaveScreenshot(window, "frmHelp");
}

TEST(QtProgramWindows, OptionsIsAFixedDialog) {
  QtSession s;
  auto& form = ShowWindow<frmOptions>(s);
  QWidget* window = QtSession::WindowOf(form);
  EXPECT_EQ(window->size(), QSize(297, 189));
  EXPECT_EQ(window->windowType(), Qt::Dialog);
  EXPECT_EQ(RectOf(form, "txtDelay"), QRect(176, 48, 41, 25));
  EXPECT_EQ(RectOf(form, "vsDelay"), QRect(224, 48, 17, 25));
  EXPECT_EQ(RectOf(form, "cmdOK"), QRect(104, 136, 81, 33));
  EXPECT_EQ(qobject_cast<QPushButton*>(QtSession::WidgetOf(form, "cmdOK"))->text(), "OK");
  SaveScreenshot(window, "frmOptions");
}

TEST(QtProgramWindows, FullScreenSlideshowCoversTheScreenWithoutCursor) {
  QtSession s;
  s.program.Start([](Program& p) {
    p.PreviewMode = kFalse16;
    auto& saver = p.Use<frmSaver>();
    saver.SetWindowState(WindowState::Maximized);
    saver.Show();
  });
  auto* saver = s.program.IfLoaded<frmSaver>();
  ASSERT_NE(saver, nullptr);
  QWidget* window = QtSession::WindowOf(*saver);
  ASSERT_TRUE(WaitFor([&] { return window->isVisible(); }));
  EXPECT_TRUE(window->isFullScreen());
  EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(WaitFor([&] { return window->size() == QGuiApplication::primaryScreen()->size(); }));
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);
  auto* label = dynamic_cast<qt::StyledLabelWidget*>(QtSession::WidgetOf(*saver, "Label1"));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Caption(), "Welcome to The Velvora!");
  EXPECT_EQ(label->font().family(), "Arial");
  // Inside the backdrop the text line lies over the slideshow picture, which lies over the
  // design picture.
  const QObjectList stack = QtSession::WidgetOf(*saver, "Image2")->children();
  EXPECT_GT(stack.indexOf(QtSession::WidgetOf(*saver, "Label1")), stack.indexOf(QtSession::WidgetOf(*saver, "Image1")));
  EXPECT_GT(stack.indexOf(QtSession::WidgetOf(*saver, "Image1")), stack.indexOf(QtSession::WidgetOf(*saver, "Image11")));
  // The backdrop follows the window's size once the placement has run.
  EXPECT_TRUE(WaitFor([&] { return RectOf(*saver, "Image2").size() == window->size(); }));
  SaveScreenshot(window, "frmSaver");
}

}  // namespace
}  // namespace velvora::test
