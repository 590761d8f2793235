// Rules about windows that every backend shares: where a window first appears, when it hears of
// its size, the order of focus and stacking, the style word it starts with, and which folder
// the folder list marks as current.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "forms/controls.h"
#include "forms/fx_controls.h"
#include "forms/list_controls.h"
#include "forms/program.h"
#include "support/sim_session.h"

namespace velvora {
namespace {

class frmRules : public Form {
 public:
  static constexpr std::string_view kName = "frmRules";
  explicit frmRules(Program& p, StartPosition start = StartPosition::CenterScreen)
      : Form(p, {.name = kName, .border = BorderStyle::FixedDialog, .clientWidth = 3000,
                 .clientHeight = 1500, .start = start}),
        cmdA(Add<CommandButton>({.name = "cmdA", .tabIndex = 2})),
        picBack(Add<FXImage>({.name = "picBack"})),
        lblTop(Add<FXLabel>({.name = "lblTop", .container = "picBack"})),
        picMiddle(Add<FXImage>({.name = "picMiddle", .container = "picBack"})),
        picBottom(Add<FXImage>({.name = "picBottom", .container = "picBack"})),
        fraBox(Add<Frame>({.name = "fraBox"})),
        optIn(Add<OptionButton>({.name = "optIn", .container = "fraBox", .tabIndex = 0})),
        optOut(Add<OptionButton>({.name = "optOut", .container = "fraBox", .tabIndex = 0})),
        txtLast(Add<TextBox>({.name = "txtLast", .tabIndex = 1})) {}
  void Form_Resize() override { ++resizes; }
  CommandButton& cmdA;
  FXImage& picBack;
  FXLabel& lblTop;
  FXImage &picMiddle, &picBottom;
  Frame& fraBox;
  OptionButton &optIn, &optOut;
  TextBox& txtLast;
  int resizes = 0;
};

class frmPlain : public frmRules {
 public:
  static constexpr std::string_view kName = "frmRules";
  explicit frmPlain(Program& p) : frmRules(p, StartPosition::Default) {}
};

class frmDirs : public Form {
 public:
  static constexpr std::string_view kName = "frmDirs";
  explicit frmDirs(Program& p) : Form(p, {.name = kName}), Dir1(Add<DirList>({.name = "Dir1"})) {}
  DirList& Dir1;
};

std::vector<std::string> Names(const std::vector<Control*>& controls) {
  std::vector<std::string> names;
  for (const Control* c : controls) names.push_back(c->Name());
  return names;
}

TEST(WindowRules, TabOrderFollowsTheTabIndexesAndKeepsDesignOrderOnTies) {
  test::SimSession s;
  EXPECT_EQ(Names(s.program.Use<frmRules>().TabOrder()),
            (std::vector<std::string>{"optIn", "optOut", "txtLast", "cmdA"}));
}

TEST(WindowRules, InsideAPictureControlTheFirstControlLiesOnTop) {
  test::SimSession s;
  const std::vector<std::string> order = Names(s.program.Use<frmRules>().StackingOrder());
  const auto at = [&](const std::string& name) { return std::find(order.begin(), order.end(), name) - order.begin(); };
  ASSERT_EQ(order.size(), 9u);
  EXPECT_LT(at("picBottom"), at("picMiddle"));  // bottom to top
  EXPECT_LT(at("picMiddle"), at("lblTop"));
  EXPECT_LT(at("cmdA"), at("picBack"));  // elsewhere a later control lies above
  EXPECT_LT(at("picBack"), at("fraBox"));
  EXPECT_LT(at("optIn"), at("optOut"));
}

TEST(WindowRules, ABorderlessWindowStartsAsAPopUpAnyOtherAsAnOverlappedWindow) {
  EXPECT_EQ(InitialWindowStyle({.border = BorderStyle::None}), kWsPopup);
  for (BorderStyle border : {BorderStyle::Fixed, BorderStyle::Sizable, BorderStyle::FixedDialog,
                             BorderStyle::FixedToolWindow}) {
    EXPECT_EQ(InitialWindowStyle({.border = border}), kWsOverlappedWindow);
  }
}

TEST(WindowRules, ACentredWindowIsCentredByItsFrameOnTheWorkArea) {
  test::SimSession s;
  s.sim.screenWidth = 800;
  s.sim.screenHeight = 600;
  frmRules& form = s.program.Use<frmRules>();
  form.Show();
  EXPECT_FLOAT_EQ(form.Left(), (12000 - 3000) / 2.0f);
  EXPECT_FLOAT_EQ(form.Top(), (9000 - 1500) / 2.0f);
  form.Hide();
  s.sim.screenWidth = 1024;
  form.Show();  // placed once, at the first showing
  EXPECT_FLOAT_EQ(form.Left(), 4500);

  test::SimSession plain;
  frmPlain& other = plain.program.Use<frmPlain>();
  other.Show();
  EXPECT_FLOAT_EQ(other.Left(), 0);
  EXPECT_FLOAT_EQ(other.Top(), 0);
}

TEST(WindowRules, SizeChangesReachTheFormOncePerTurnOfTheEventLoop) {
  test::SimSession s;
  frmRules& form = s.program.Use<frmRules>();
  form.PlatformGeometry(0, 0, 2000, 1000);  // hidden: nothing to report
  s.sim.RunPending();
  EXPECT_EQ(form.resizes, 0);
  form.Show();
  s.sim.RunPending();
  EXPECT_EQ(form.resizes, 1);  // the first showing always reports one
  form.PlatformGeometry(0, 0, 2100, 1000);
  form.PlatformGeometry(0, 0, 2200, 1100);
  form.PlatformGeometry(15, 15, 2200, 1100);  // a move alone is no resize
  EXPECT_EQ(form.resizes, 1);  // queued, not delivered inside the call
  s.sim.RunPending();
  EXPECT_EQ(form.resizes, 2);
  form.PlatformGeometry(30, 30, 2200, 1100);
  s.sim.RunPending();
  EXPECT_EQ(form.resizes, 2);
}

TEST(WindowRules, AResizeQueuedForAnUnloadedFormIsDropped) {
  test::SimSession s;
  frmRules& form = s.program.Use<frmRules>();
  form.Show();
  s.program.Dispatch([&] { s.program.Unload(form); });
  frmRules& fresh = s.program.Use<frmRules>();  // loaded afresh, not shown
  s.sim.RunPending();  // the queued resize belongs to the form that is gone
  EXPECT_EQ(fresh.resizes, 0);
}

TEST(WindowRules, TheFolderListsCurrentEntryIsTheDeepestOpenFolder) {
  test::SimSession s;
  const std::string b = s.folder / "a" + kPathSeparator + "b";
  std::filesystem::create_directories(b + kPathSeparator + "c");
  std::filesystem::create_directories(b + kPathSeparator + "d");
  DirList& dirs = s.program.Use<frmDirs>().Dir1;
  dirs.SetPath(b);
  const int current = dirs.CurrentEntry();
  ASSERT_GE(current, 0);
  EXPECT_EQ(dirs.Entries()[static_cast<std::size_t>(current)].path, b);
  EXPECT_EQ(dirs.Entries().size(), static_cast<std::size_t>(current) + 3);  // then c and d
}

TEST(WindowRules, CaptionLineBreaksOfEverySpellingBecomeOneLineFeedEach) {
  EXPECT_EQ(CaptionLines("a\r\nb\n\rc\rd\ne"), "a\nb\nc\nd\ne");
  EXPECT_EQ(CaptionLines("a\n\nb\r\r\n"), "a\n\nb\n\n");  // two breaks stay two
}

}  // namespace
}  // namespace velvora
