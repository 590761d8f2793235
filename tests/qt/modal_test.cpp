// Modal boxes on the desktop: the program's timers wait while one is open, and a termination
// signal closes it and stops the handler that opened it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "gallery_form.h"
#include "qt_fixture.h"

namespace velvora::test {
namespace {

struct Running {
  Running() {
    session.program.Start([](Program& p) { p.Use<frmGallery>().Show(); });
    form = session.program.IfLoaded<frmGallery>();
  }
  QtSession session;
  frmGallery* form = nullptr;
};

TEST(QtModalBoxes, TimerTicksThatFallDueWhileABoxIsOpenAreSkipped) {
  Running r;
  r.form->tmr.SetEnabled(true);  // every 20 ms
  int ticksWhileOpen = -1;
  OnNextModal([&](QWidget* modal) {
    const int before = r.form->ticks;
    QTest::qWait(200);
    ticksWhileOpen = r.form->ticks - before;
    qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Ok)->click();
  });
  bool ranAfterBox = false;
  r.session.program.Dispatch([&] {
    r.session.program.MsgBox("Wait", mb::kOk, "");
    ranAfterBox = true;
  });
  EXPECT_TRUE(ranAfterBox);
  EXPECT_EQ(ticksWhileOpen, 0);
  const int after = r.form->ticks;
  EXPECT_TRUE(WaitFor([&] { return r.form->ticks > after; }));  // ticking again
}

TEST(QtModalBoxes, ATerminationSignalClosesTheOpenBoxAndStopsItsHandler) {
  Running r;
  QPointer<QWidget> box;
  bool sawBox = false;
  OnNextModal([&](QWidget* modal) {
    box = modal;
    sawBox = true;
    r.session.program.Terminate();
  });
  bool ranAfterBox = false;
  r.session.program.Dispatch([&] {
    r.session.program.MsgBox("Remove it?", mb::kYesNo, "");
    ranAfterBox = true;
  });
  EXPECT_FALSE(ranAfterBox);
  EXPECT_EQ(r.session.program.Reason(), EndReason::Terminated);
  ASSERT_TRUE(sawBox);
  EXPECT_TRUE(box.isNull() || !box->isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace velvora::test
