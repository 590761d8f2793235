// A control that follows another on a second window: it takes over what the leader shows and
// keeps its own place, and either may go away first.
#include <gtest/gtest.h>

#include "forms/controls.h"
#include "forms/fx_controls.h"
#include "forms/program.h"
#include "support/sim_session.h"

namespace velvora {
namespace {

template <const char* kFormName>
class frmLine : public Form {
 public:
  static constexpr std::string_view kName = kFormName;
  explicit frmLine(Program& p)
      : Form(p, {.name = kName, .caption = "Line", .clientWidth = 3000, .clientHeight = 2000}),
        Label1(Add<FXLabel>({.name = "Label1", .width = 1500, .height = 300, .caption = "Welcome"})) {}
  FXLabel& Label1;
};
constexpr char kLeaderName[] = "frmLeader";
constexpr char kFollowerName[] = "frmFollower";
using frmLeader = frmLine<kLeaderName>;
using frmFollower = frmLine<kFollowerName>;

TEST(Follow, AFollowerTakesOverWhatTheLeaderShowsButKeepsItsPlace) {
  test::SimSession s;
  FXLabel& leader = s.program.Use<frmLeader>().Label1;
  FXLabel& follower = s.program.Use<frmFollower>().Label1;
  leader.SetCaption("00:05:00");
  leader.SetVisible(false);
  follower.Follow(leader);
  EXPECT_EQ(follower.Caption(), "00:05:00");
  EXPECT_FALSE(follower.Visible());
  leader.SetVisible(true);
  leader.SetFontSize(20);
  leader.SetCaption("00:04:59");
  leader.SetWidth(9000);
  EXPECT_TRUE(follower.Visible());
  EXPECT_EQ(follower.GetFont().size, 20);
  EXPECT_EQ(follower.Caption(), "00:04:59");
  EXPECT_EQ(follower.Width(), 1500);
  EXPECT_THROW(follower.Follow(leader), std::logic_error) << "one leader at a time";
}

TEST(Follow, EitherMayGoAwayFirst) {
  test::SimSession s;
  s.program.Use<frmLeader>();
  s.program.Dispatch([&] {
    s.program.Use<frmFollower>().Label1.Follow(s.program.Use<frmLeader>().Label1);
    s.program.Unload(s.program.Use<frmFollower>());
  });
  s.program.Use<frmLeader>().Label1.SetCaption("after the follower went");  // reaches no freed control

  frmFollower& kept = s.program.Use<frmFollower>();
  kept.Label1.Follow(s.program.Use<frmLeader>().Label1);
  s.program.Dispatch([&] { s.program.Unload(s.program.Use<frmLeader>()); });
  kept.Label1.SetCaption("its own again");
  EXPECT_EQ(kept.Label1.Leader(), nullptr);
  EXPECT_EQ(kept.Label1.Caption(), "its own again");
}

}  // namespace
}  // namespace velvora
