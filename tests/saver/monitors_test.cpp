// The full-screen slideshow on several monitors: the slideshow window on the primary, a view of
// the same show on every other monitor, laid out for that monitor's size, ending on input there,
// and following monitors that come and go.
#include <algorithm>

#include "effects/compose.h"
#include "saver_fixture.h"

namespace velvora::test {
namespace {

constexpr float kTwips = SimPlatform::kTwipsPerPixel;

class Monitors : public SaverTest {
 protected:
  // A 1280 x 1024 primary, and a 1024 x 768 monitor to its right: the placement examples'
  // window size, 15360 x 11520 twips.
  Monitors() {
    s.sim.screenWidth = 1280;
    s.sim.screenHeight = 1024;
    s.sim.otherMonitors = {{.left = 1280, .top = 0, .width = 1024, .height = 768}};
  }
  // Two pictures twice as wide as high: fitted, they leave bands of the window's colour.
  void TwoPictures(bool fullWindow = true) {
    s.folder.Write("blue.bmp", SolidBmp(2, 1, 0, 0, 255));
    s.folder.Write("red.bmp", SolidBmp(2, 1, 255, 0, 0));
    Settings("5", "Sec", {s.folder / "blue.bmp", s.folder / "red.bmp"}, fullWindow);
  }
  // The view on the monitor with this left edge (pixels), or null.
  SaverMirror* ViewAt(int left) {
    for (const auto& view : Saver().Mirrors().Views()) {
      if (view->Monitor().left == static_cast<float>(left) * kTwips) return view.get();
    }
    return nullptr;
  }
  void MonitorsBecome(std::vector<SimPlatform::MonitorArea> others) {
    s.sim.otherMonitors = std::move(others);
    s.program.MonitorsChanged();
    s.sim.RunPending();
  }
  // Whether a window is shown exactly over an area given in pixels.
  bool Covered(const Form& form, float left, float top, float width, float height) const {
    const auto shown = s.sim.ShownForms();
    return std::find(shown.begin(), shown.end(), &form) != shown.end() && form.Left() == left * kTwips &&
           form.Top() == top * kTwips && form.Width() == width * kTwips && form.Height() == height * kTwips;
  }
  static bool SameFrame(effects::ConstImage a, effects::ConstImage b) {
    return a.width == b.width && a.height == b.height && std::equal(a.pixels, a.pixels + a.width * a.height, b.pixels);
  }
  // What a 1024 x 768 monitor shows of a picture of one colour, 2:1, fitted.
  static effects::Canvas Fitted(std::uint32_t colour, std::uint32_t back) {
    effects::Canvas frame;
    frame.Resize(1024, 768);
    for (int y = 0; y < 768; ++y) {
      std::fill_n(frame.View().Row(y), 1024, y >= 128 && y < 640 ? colour : back);
    }
    return frame;
  }
};

TEST_F(Monitors, EveryMonitorButThePrimaryGetsAViewOfTheShow) {
  s.sim.otherMonitors.push_back({.left = -800, .top = 100, .width = 800, .height = 600});
  s.sim.otherMonitors.push_back({.left = 0, .top = 0, .width = 1280, .height = 1024});  // a clone of the primary
  frmSaver& saver = StartFullScreen();
  EXPECT_TRUE(Covered(saver, 0, 0, 1280, 1024));
  ASSERT_EQ(saver.Mirrors().Views().size(), 2u);
  ASSERT_NE(ViewAt(1280), nullptr);
  ASSERT_NE(ViewAt(-800), nullptr);
  EXPECT_TRUE(Covered(*ViewAt(1280), 1280, 0, 1024, 768));
  EXPECT_TRUE(Covered(*ViewAt(-800), -800, 100, 800, 600));
  EXPECT_EQ(ViewAt(1280)->Design().border, BorderStyle::None);
  EXPECT_EQ(s.program.LoadedForms().size(), 2u) << "the views are no window of the program's own";
  EXPECT_EQ(ViewAt(1280)->Label1.Caption(), "Welcome to The Velvora!");
  EXPECT_EQ(ViewAt(1280)->BackColor(), saver.BackColor());
}

TEST_F(Monitors, ThePreviewStaysOneWindow) {
  frmSaver& saver = StartPreview();
  Ticks(10);
  s.program.MonitorsChanged();
  EXPECT_TRUE(saver.Mirrors().Views().empty());
  EXPECT_EQ(s.sim.ShownForms().size(), 1u);
}

TEST_F(Monitors, AViewIsLaidOutByTheSameRulesForItsMonitorsSize) {
  TwoPictures();
  frmSaver& saver = StartFullScreen();
  SaverMirror& view = *ViewAt(1280);
  EXPECT_EQ(view.Image2.Left(), 0);  // the view's own place, not the monitor's place on the desktop
  EXPECT_EQ(view.Image2.Width(), 15360);
  EXPECT_EQ(view.Image2.Height(), 11520);
  EXPECT_EQ(view.Label1.Width(), 15360);
  ToFirstChange();
  EXPECT_EQ(saver.Image1.Width(), 19200);
  EXPECT_EQ(view.Image1.Left(), 0);
  EXPECT_EQ(view.Image1.Top(), 0);
  EXPECT_EQ(view.Image1.Width(), 15360);
  EXPECT_EQ(view.Image1.Height(), 11520);
  EXPECT_TRUE(view.Image1.Visible());
  // The load variant, with its margin and the larger side first.
  struct Case { float w, h, width, height; };
  for (Case c : {Case{9270, 6270, 15350, 11502}, Case{6270, 9270, 15336, 11510}}) {
    view.Image1.SetWidth(c.w);
    view.Image1.SetHeight(c.h);
    view.ChangePicSize();
    EXPECT_EQ(view.Image1.Left(), 10);
    EXPECT_EQ(view.Image1.Width(), c.width) << c.w << "x" << c.h;
    EXPECT_EQ(view.Image1.Height(), c.height) << c.w << "x" << c.h;
    EXPECT_FALSE(view.Image1.Visible());
  }
}

TEST_F(Monitors, CentredTheViewCentresTheDesignSizeOnItsMonitor) {
  TwoPictures(/*fullWindow=*/false);
  frmSaver& saver = StartFullScreen();
  SaverMirror& view = *ViewAt(1280);
  ToFirstChange();
  for (const FXImage* image : {&view.Image1, &view.Image11}) {
    EXPECT_EQ(image->Left(), 3045);
    EXPECT_EQ(image->Top(), 2625);
  }
  EXPECT_EQ(saver.Image1.Left(), 4965);  // the primary's own size: (19200 - 9270) / 2
  EXPECT_TRUE(view.Image1.Visible());
}

TEST_F(Monitors, AViewShowsTheSamePictureTransitionAndCountdown) {
  TwoPictures();
  frmSaver& saver = StartFullScreen();
  SaverMirror& view = *ViewAt(1280);
  const std::uint32_t back = effects::ArgbFromColourWord(saver.BackColor());
  ToFirstChange();
  s.sim.Advance(2500);
  const effects::Canvas blue = Fitted(0xFF0000FFu, back);
  ASSERT_TRUE(SameFrame(view.Image1.CurrentFrame(), blue.ConstView()));
  EXPECT_EQ(saver.Image1.CurrentFrame().width, 1280);

  s.sim.Advance(12000 - s.sim.Now());  // the second change
  ASSERT_TRUE(saver.Image1.TransitionPlaying());
  EXPECT_EQ(view.Image1.Picture().get(), saver.Image1.Picture().get()) << "one decoded picture for both";
  const effects::TransitionParams mine = view.Image1.TransitionSettings();
  const effects::TransitionParams theirs = saver.Image1.TransitionSettings();
  EXPECT_EQ(mine.effect, 2);
  EXPECT_EQ(mine.effect, theirs.effect);
  EXPECT_EQ(mine.param, theirs.param);
  EXPECT_EQ(mine.speed, theirs.speed);
  EXPECT_EQ(mine.colourA, theirs.colourA);
  EXPECT_EQ(mine.colourB, theirs.colourB);

  const effects::Canvas red = Fitted(0xFFFF0000u, back);
  for (int step = 0; step < 3; ++step) {
    s.sim.Advance(40);
    ASSERT_TRUE(view.Image1.TransitionPlaying());
    EXPECT_EQ(view.Image1.TransitionProgress(), saver.Image1.TransitionProgress());
    effects::Canvas expected;
    expected.Resize(1024, 768);
    effects::RenderTransition(blue.ConstView(), red.ConstView(), view.Image1.TransitionProgress(), mine, expected.View());
    EXPECT_TRUE(SameFrame(view.Image1.CurrentFrame(), expected.ConstView())) << "frame " << step;
  }
  s.sim.Advance(2500);
  EXPECT_FALSE(view.Image1.TransitionPlaying());
  EXPECT_TRUE(SameFrame(view.Image1.CurrentFrame(), red.ConstView()));

  Ticks(2);
  EXPECT_EQ(view.Label1.Caption(), saver.Label1.Caption());
  EXPECT_EQ(view.Label1.GetFont().size, 20);
}

TEST_F(Monitors, AMoveOnAViewEndsTheShowWithTheGuardsPutBack) {
  frmSaver& saver = StartFullScreen();
  SaverMirror& view = *ViewAt(1280);
  const Hwnd window = saver.hWnd();
  ASSERT_EQ(s.sim.CursorCount(), -1);
  s.program.Raise(view, &view.Image2, {.kind = InputKind::MouseMove, .x = 100, .y = 100});
  EXPECT_FALSE(s.program.Ended()) << "the first move only records";
  EXPECT_EQ(saver.LastX, 100);
  s.program.Raise(view, nullptr, {.kind = InputKind::MouseMove, .x = 130, .y = 100});
  EXPECT_EQ(s.program.Reason(), EndReason::End);
  EXPECT_EQ(CountOf("VerifyScreenSavePwd", {std::to_string(window)}), 1) << "asked over the slideshow window";
  EXPECT_EQ(s.sim.CursorCount(), 0);
  EXPECT_TRUE(s.sim.taskbar.enabled);
  EXPECT_TRUE(s.sim.ScreenSaverActive());
}

TEST_F(Monitors, InputOnAViewGoesThroughTheSameCloseAsOnTheWindow) {
  s.sim.passwordAnswers = {0};
  frmSaver& saver = StartFullScreen();
  SaverMirror& view = *ViewAt(1280);
  s.program.Raise(view, nullptr, {.kind = InputKind::KeyDown, .key = 32});
  EXPECT_FALSE(s.program.Ended()) << "a refused password keeps the show";
  EXPECT_EQ(s.sim.CursorCount(), -1);
  EXPECT_FALSE(s.sim.ScreenSaverActive());
  // One record for every monitor: a move on the window, then one elsewhere on the view.
  MoveMouse(saver, 50, 50);
  s.program.Raise(view, &view.Image1, {.kind = InputKind::MouseMove, .x = 50, .y = 60});
  EXPECT_EQ(s.program.Reason(), EndReason::End);
  EXPECT_EQ(s.sim.CursorCount(), 0);
}

TEST_F(Monitors, ClosingAViewFromOutsideEndsTheShow) {
  StartFullScreen();
  s.program.Raise(*ViewAt(1280), nullptr, {.kind = InputKind::CloseBox});
  EXPECT_TRUE(s.program.Ended());
  EXPECT_EQ(s.sim.CursorCount(), 0);
  EXPECT_TRUE(s.sim.ScreenSaverActive());
}

TEST_F(Monitors, AMonitorThatComesDuringTheShowGetsTheShowAsItIsNow) {
  TwoPictures();
  frmSaver& saver = StartFullScreen();
  s.sim.Advance(12030);  // 30 ms into the second change's transition
  ASSERT_TRUE(saver.Image1.TransitionPlaying());
  MonitorsBecome({{.left = 1280, .top = 0, .width = 1024, .height = 768}, {.left = 0, .top = 1024, .width = 1024, .height = 768}});
  SaverMirror* added = ViewAt(0);
  ASSERT_NE(added, nullptr);
  EXPECT_TRUE(Covered(*added, 0, 1024, 1024, 768));
  EXPECT_EQ(added->Label1.Caption(), saver.Label1.Caption());
  EXPECT_EQ(added->Image1.Picture().get(), saver.Image1.Picture().get());
  EXPECT_TRUE(added->Image1.Visible());
  EXPECT_EQ(added->Image1.Width(), 15360);
  EXPECT_EQ(added->Image1.Height(), 11520);
  EXPECT_TRUE(added->Image1.TransitionPlaying()) << "it joins the transition under way";
  s.sim.Advance(10);
  EXPECT_EQ(added->Image1.TransitionProgress(), saver.Image1.TransitionProgress());
  s.sim.Advance(2500);
  EXPECT_FALSE(added->Image1.TransitionPlaying());
  EXPECT_TRUE(SameFrame(added->Image1.CurrentFrame(), ViewAt(1280)->Image1.CurrentFrame()));
  // At the next change both views play it.
  s.sim.Advance(18010 - s.sim.Now());
  EXPECT_TRUE(added->Image1.TransitionPlaying());
  EXPECT_EQ(added->Image1.TransitionSettings().effect, saver.Image1.TransitionSettings().effect);
}

TEST_F(Monitors, AMonitorThatGoesTakesItsViewAndTheWindowKeepsToThePrimary) {
  TwoPictures();
  frmSaver& saver = StartFullScreen();
  ToFirstChange();
  MonitorsBecome({{.left = 1600, .top = 0, .width = 800, .height = 600}});  // moved and smaller
  EXPECT_EQ(ViewAt(1280), nullptr);
  ASSERT_NE(ViewAt(1600), nullptr);
  EXPECT_TRUE(Covered(*ViewAt(1600), 1600, 0, 800, 600));
  EXPECT_EQ(ViewAt(1600)->Image1.Width(), 12000);
  MonitorsBecome({});
  EXPECT_TRUE(saver.Mirrors().Views().empty());
  EXPECT_EQ(s.sim.ShownForms().size(), 1u);
  s.sim.Advance(3000);  // frames and ticks reach no view that went
  // The primary changes its size: the window covers it again and lays itself out for it.
  s.sim.screenWidth = 1024;
  s.sim.screenHeight = 768;
  MonitorsBecome({});
  EXPECT_TRUE(Covered(saver, 0, 0, 1024, 768));
  EXPECT_EQ(saver.Image2.Width(), 15360);
  Ticks(6);
  EXPECT_EQ(saver.Image1.Width(), 15360);
  EXPECT_FALSE(s.program.Ended());
}

}  // namespace
}  // namespace velvora::test
