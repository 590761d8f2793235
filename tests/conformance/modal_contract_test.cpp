// Modal boxes on every backend: the program's timers are held while one is open and the handler
// that opened it resumes after it; a termination signal closes an open box by itself.
#include "backend_harness.h"
#include "contract_forms.h"
#include "runtime/errors.h"

namespace velvora::conformance {
namespace {

frmContract& StartTicking(Program& program, BackendHarness& harness) {
  program.Start([](Program& p) { p.Use<frmContract>().Show(); });
  frmContract& form = *program.IfLoaded<frmContract>();
  form.Timer1.SetEnabled(true);  // every 20 ms
  EXPECT_TRUE(harness.Until([&] { return form.ticks >= 1; }));
  return form;
}

TEST_P(BackendContract, TicksThatFallDueWhileABoxIsOpenAreSkippedAndItsHandlerResumesAfterIt) {
  frmContract& form = StartTicking(program(), harness());
  for (bool colourDialog : {false, true}) {
    SCOPED_TRACE(colourDialog ? "colour dialog" : "message box");
    bool openMeanwhile = false;
    int ticksWhileOpen = -1;
    harness().AnswerNextBox(colourDialog ? mb::kAnswerCancel : mb::kAnswerNo, [&] {
      openMeanwhile = harness().BoxOpen();
      const int before = form.ticks;
      harness().Pass(250);
      ticksWhileOpen = form.ticks - before;
    });
    int answer = 0;
    bool ranAfterBox = false;
    program().Dispatch([&] {
      if (colourDialog) {
        form.dlgColour.ShowColor();
      } else {
        answer = program().MsgBox("Sure?", mb::kYesNo, "");
      }
      ranAfterBox = true;
    });
    EXPECT_TRUE(openMeanwhile);
    EXPECT_EQ(ticksWhileOpen, 0);
    EXPECT_TRUE(ranAfterBox);
    if (!colourDialog) {
      EXPECT_EQ(answer, mb::kAnswerNo);
    }
    EXPECT_FALSE(harness().BoxOpen());
    const int after = form.ticks;
    EXPECT_TRUE(harness().Until([&] { return form.ticks > after; }));  // ticking again
  }
  EXPECT_EQ(harness().BoxesClosedByForce(), 0);
}

TEST_P(BackendContract, ATerminationSignalWhileABoxIsOpenEndsTheProgramAndClosesTheBox) {
  frmContract& form = StartTicking(program(), harness());
  bool openMeanwhile = false;
  harness().AnswerNextBox(std::nullopt, [&] {
    openMeanwhile = harness().BoxOpen();
    program().Terminate();
  });
  bool ranAfterBox = false;
  program().Dispatch([&] {
    program().MsgBox("Remove it?", mb::kYesNo, "");
    ranAfterBox = true;
  });
  EXPECT_TRUE(openMeanwhile);
  EXPECT_FALSE(ranAfterBox);
  EXPECT_EQ(program().Reason(), EndReason::Terminated);
  EXPECT_FALSE(harness().BoxOpen());
  EXPECT_EQ(harness().BoxesClosedByForce(), 0);
  const int ticks = form.ticks;
  harness().Pass(100);
  EXPECT_EQ(form.ticks, ticks);  // nothing runs after the end
}

TEST_P(BackendContract, ATerminationSignalClosesTheRunTimeErrorBox) {
  StartTicking(program(), harness());
  bool openMeanwhile = false;
  harness().AnswerNextBox(std::nullopt, [&] {
    openMeanwhile = harness().BoxOpen();
    program().Terminate();
  });
  program().Dispatch([] { Raise(ErrorNumber::TypeMismatch); });
  EXPECT_TRUE(openMeanwhile);
  EXPECT_EQ(program().Reason(), EndReason::RuntimeError);  // the first end stands
  EXPECT_FALSE(harness().BoxOpen());
  EXPECT_EQ(harness().BoxesClosedByForce(), 0);
}

}  // namespace
}  // namespace velvora::conformance
