// The options dialog: loading the two preferences, the spinner and the delay box, the swatch, OK.
#include <gtest/gtest.h>

#include "support/sim_session.h"
#include "windows/frm_options.h"

namespace velvora::test {
namespace {

class Options : public ::testing::Test {
 protected:
  std::string Stored(const std::string& key) {
    auto& store = session.sim.Store();
    auto it = store.find({"Velvora", "Settings", key});
    return it == store.end() ? "<missing>" : it->second;
  }
  void Store(const std::string& key, const std::string& value) {
    session.sim.Store()[{"Velvora", "Settings", key}] = value;
  }
  // Loads the dialog as an event would, so a failing load ends the program.
  frmOptions* Open() {
    session.program.Dispatch([&] { session.program.Use<frmOptions>().Show(); });
    return session.program.IfLoaded<frmOptions>();
  }
  void Input(Control& c, InputEvent e) { session.program.Raise(c.Owner(), &c, e); }
  void Type(frmOptions& f, const std::string& text) {
    Input(f.txtDelay, {.kind = InputKind::TypeText, .text = text});
  }

  SimSession session;
};

TEST_F(Options, FirstUseStoresTheDefaultsAndShowsThem) {
  frmOptions& f = *Open();
  EXPECT_EQ(f.Caption(), "Options for Velvora");
  EXPECT_EQ(Stored("Delay"), "2");
  EXPECT_EQ(Stored("BackColor"), "-2147483633");
  EXPECT_EQ(f.txtDelay.Text(), "2");
  EXPECT_EQ(f.vsDelay.Value(), 2);
  EXPECT_EQ(f.lblBackColor.BackColor(), kButtonFace);
}

TEST_F(Options, StoredValuesAreShown) {
  Store("Delay", "99");  // the spinner's design value: the box still shows it
  Store("BackColor", "255");
  frmOptions& f = *Open();
  EXPECT_EQ(f.txtDelay.Text(), "99");
  EXPECT_EQ(f.lblBackColor.BackColor(), Rgb(255, 0, 0));
}

TEST_F(Options, StoredDelayOfZeroCountsAsMissing) {
  Store("Delay", "0");
  EXPECT_EQ(Open()->txtDelay.Text(), "2");
  EXPECT_EQ(Stored("Delay"), "2");
}

TEST_F(Options, UnusableStoredValuesEndTheProgramWithTheErrorBox) {
  const std::pair<const char*, int> cases[] = {{"abc", 13}, {"150", 380}};
  for (const auto& [delay, number] : cases) {
    SimSession fresh;
    fresh.sim.Store()[{"Velvora", "Settings", "Delay"}] = delay;
    fresh.program.Dispatch([&] { fresh.program.Use<frmOptions>(); });
    ASSERT_EQ(fresh.sim.ErrorBoxes().size(), 1u) << delay;
    EXPECT_EQ(fresh.sim.ErrorBoxes()[0].number, number);
    EXPECT_EQ(fresh.program.Reason(), EndReason::RuntimeError);
  }
}

TEST_F(Options, SpinnerAndDelayBoxFollowEachOther) {
  frmOptions& f = *Open();
  Input(f.vsDelay, {.kind = InputKind::Scroll, .value = 17});
  EXPECT_EQ(f.txtDelay.Text(), "17");
  Type(f, "5");
  EXPECT_EQ(f.vsDelay.Value(), 5);
  Type(f, "07");
  EXPECT_EQ(f.txtDelay.Text(), "7");
  EXPECT_EQ(f.vsDelay.Value(), 7);
}

TEST_F(Options, DelayBoxKeepsOnlyDelaysThatCanBeStored) {
  frmOptions& f = *Open();
  Type(f, "42");
  for (const char* bad : {"", "0", "00", "4x", "-1", " 4", "+5"}) {
    Type(f, bad);
    EXPECT_EQ(f.txtDelay.Text(), "42") << '"' << bad << '"';
    EXPECT_EQ(f.vsDelay.Value(), 42);
  }
  Type(f, "123");  // the box takes two characters
  EXPECT_EQ(f.txtDelay.Text(), "12");
  Input(f.cmdOK, {.kind = InputKind::Click});
  EXPECT_EQ(Stored("Delay"), "12");
}

TEST_F(Options, SwatchOpensTheColourDialogWithItsColourAndCancelKeepsIt) {
  frmOptions& f = *Open();
  session.sim.colourAnswers = {std::nullopt, Rgb(1, 2, 3)};
  Input(f.lblBackColor, {.kind = InputKind::Click});
  EXPECT_EQ(f.lblBackColor.BackColor(), kButtonFace);
  Input(f.lblBackColor, {.kind = InputKind::Click});
  EXPECT_EQ(f.lblBackColor.BackColor(), Rgb(1, 2, 3));
  // The dialog was handed the system-colour reference itself, then the chosen colour.
  EXPECT_EQ(session.sim.ColourDialogs(), (std::vector<Colour>{kButtonFace, kButtonFace}));
  Input(f.lblBackColor, {.kind = InputKind::Click});
  EXPECT_EQ(session.sim.ColourDialogs().back(), Rgb(1, 2, 3));
}

TEST_F(Options, OkWritesBothValuesAndEnds) {
  frmOptions& f = *Open();
  session.sim.colourAnswers = {std::nullopt};
  Input(f.lblBackColor, {.kind = InputKind::Click});
  Input(f.vsDelay, {.kind = InputKind::Scroll, .value = 30});
  Store("BackColor", "0");  // OK writes the swatch, not what the store holds
  Input(f.cmdOK, {.kind = InputKind::Click});
  EXPECT_EQ(Stored("Delay"), "30");
  EXPECT_EQ(Stored("BackColor"), "-2147483633");
  EXPECT_EQ(session.program.Reason(), EndReason::End);
}

TEST_F(Options, CloseBoxWritesNothingFurther) {
  frmOptions& f = *Open();
  Type(f, "9");
  session.program.Raise(f, nullptr, {.kind = InputKind::CloseBox});
  EXPECT_EQ(session.program.IfLoaded<frmOptions>(), nullptr);
  EXPECT_EQ(Stored("Delay"), "2");
}

}  // namespace
}  // namespace velvora::test
