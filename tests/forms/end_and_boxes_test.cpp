// How the program ends and what modal boxes hold, on the simulated platform: the entries never
// let anything escape to the backend, an end inside DoEvents or a box stops the handler that
// waited for it, ticks are held while a box is open, and a termination signal ends everything.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "forms/controls.h"
#include "forms/program.h"
#include "runtime/errors.h"
#include "support/sim_session.h"

namespace velvora {
namespace {

class frmBoxes : public Form {
 public:
  static constexpr std::string_view kName = "frmBoxes";
  explicit frmBoxes(Program& p)
      : Form(p, {.name = kName}),
        Timer1(Add<Timer>({.name = "Timer1"})),
        cmdAsk(Add<CommandButton>({.name = "cmdAsk"})),
        cmdColour(Add<CommandButton>({.name = "cmdColour"})),
        dlg(Add<CommonDialog>({.name = "dlg"})) {
    Timer1.SetInterval(1000);
    Timer1.OnTimer = [this] { ++ticks; };
    cmdAsk.OnClick = [this] {
      answer = program().MsgBox("Sure?", mb::kYesNo, "");
      ranAfterBox = true;
    };
    cmdColour.OnClick = [this] {
      dlg.ShowColor();
      ranAfterBox = true;
    };
  }
  Timer& Timer1;
  CommandButton& cmdAsk;
  CommandButton& cmdColour;
  CommonDialog& dlg;
  int ticks = 0;
  int answer = 0;
  bool ranAfterBox = false;
};

struct Boxes : test::SimSession {
  Boxes() {
    program.Start([](Program& p) { p.Use<frmBoxes>().Show(); });
    form = program.IfLoaded<frmBoxes>();
    program.SetEndHook([this] { ++endHooks; });
  }
  void Click(Control& c) { program.Raise(*form, &c, {.kind = InputKind::Click}); }
  frmBoxes* form;
  int endHooks = 0;
};

TEST(ModalBoxes, TicksThatFallDueWhileABoxIsOpenAreSkipped) {
  for (bool colourDialog : {false, true}) {
    Boxes s;
    int ticksWhileOpen = -1;
    s.sim.whileBoxOpen = [&] {
      s.sim.Advance(3500);
      ticksWhileOpen = s.form->ticks;
    };
    s.Click(colourDialog ? static_cast<Control&>(s.form->cmdColour) : s.form->cmdAsk);
    EXPECT_EQ(ticksWhileOpen, 0) << colourDialog;
    EXPECT_TRUE(s.form->ranAfterBox);
    s.sim.whileBoxOpen = nullptr;
    s.sim.Advance(1000);  // the box has closed: the timer ticks again
    EXPECT_EQ(s.form->ticks, 1) << colourDialog;
  }
}

TEST(ModalBoxes, AnEmptyTitleShowsTheProgramsTitle) {
  Boxes s;
  s.sim.messageBoxAnswers = {mb::kAnswerNo};
  s.Click(s.form->cmdAsk);
  ASSERT_EQ(s.sim.MessageBoxes().size(), 1u);
  EXPECT_EQ(s.sim.MessageBoxes()[0].title, "Velvora");
  EXPECT_EQ(s.form->answer, mb::kAnswerNo);
}

TEST(ModalBoxes, ATerminationSignalWhileABoxIsOpenEndsAtOnceAndStopsItsHandler) {
  for (bool colourDialog : {false, true}) {
    Boxes s;
    bool quitAsked = false;
    s.sim.whileBoxOpen = [&] {
      s.program.Terminate();
      quitAsked = s.sim.QuitRequested();  // the toolkit closes the open box
    };
    s.Click(colourDialog ? static_cast<Control&>(s.form->cmdColour) : s.form->cmdAsk);
    EXPECT_TRUE(quitAsked) << colourDialog;
    EXPECT_FALSE(s.form->ranAfterBox) << colourDialog;
    EXPECT_EQ(s.program.Reason(), EndReason::Terminated);
    EXPECT_EQ(s.endHooks, 1);
    s.sim.Advance(5000);
    EXPECT_EQ(s.form->ticks, 0);  // nothing runs after the end
  }
}

TEST(ModalBoxes, ATerminationSignalClosesTheRunTimeErrorBox) {
  Boxes s;
  bool quitAsked = false;
  s.sim.whileBoxOpen = [&] {
    s.program.Terminate();
    quitAsked = s.sim.QuitRequested();
  };
  s.program.Dispatch([] { Raise(ErrorNumber::TypeMismatch); });
  EXPECT_TRUE(quitAsked);
  EXPECT_EQ(s.program.Reason(), EndReason::RuntimeError);  // the first end stands
  EXPECT_EQ(s.endHooks, 1);
}

TEST(ProgramEnd, AnEndInsideDoEventsStopsTheHandlerThatCalledIt) {
  Boxes s;
  bool ranAfterDoEvents = false;
  bool escaped = false;
  try {
    s.program.Dispatch([&] {
      s.sim.Post([&] { s.program.Dispatch([&] { s.program.End(); }); });
      s.program.DoEvents();
      ranAfterDoEvents = true;
    });
  } catch (...) {
    escaped = true;
  }
  EXPECT_FALSE(escaped);
  EXPECT_FALSE(ranAfterDoEvents);
  EXPECT_EQ(s.program.Reason(), EndReason::End);
  EXPECT_TRUE(s.sim.QuitRequested());
}

TEST(ProgramEnd, WhateverAHandlerLetsEscapeEndsWithTheErrorBoxInsteadOfLeavingTheEntry) {
  struct Case {
    std::function<void()> handler;
    int number;
    const char* text;
  };
  for (const Case& c : {Case{[] { throw std::bad_alloc(); }, 7, "Out of memory"},
                        Case{[] { throw std::logic_error("bug"); }, 51, "Internal error"},
                        Case{[] { throw 42; }, 51, "Internal error"}}) {
    Boxes s;
    EXPECT_NO_THROW(s.program.Dispatch(c.handler));
    ASSERT_EQ(s.sim.ErrorBoxes().size(), 1u) << c.number;
    EXPECT_EQ(s.sim.ErrorBoxes()[0].number, c.number);
    EXPECT_EQ(s.sim.ErrorBoxes()[0].text, c.text);
    EXPECT_EQ(s.program.Reason(), EndReason::RuntimeError);
    EXPECT_EQ(s.endHooks, 1);
  }
}

TEST(ProgramEnd, TheRunTimeErrorBoxSaysNumberAndTextUnderTheProgramsTitle) {
  const ErrorBox box = RunTimeErrorBox(RuntimeError(ErrorNumber::TypeMismatch));
  EXPECT_EQ(box.text, "Run-time error '13':\n\nType mismatch");
  EXPECT_EQ(box.caption, "Velvora");
  EXPECT_EQ(box.style, mb::kOk | mb::kIconStop);
  EXPECT_EQ(box.number, 13);
  EXPECT_EQ(box.description, "Type mismatch");
}

}  // namespace
}  // namespace velvora
