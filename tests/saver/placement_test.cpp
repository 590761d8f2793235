// Where the pictures sit on a 1024 x 768 window (15360 x 11520 twips).
#include "saver_fixture.h"
#include "setup/frm_setup.h"

namespace velvora::test {
namespace {

using Placement = SaverTest;

TEST_F(Placement, FullWindowFillsTheWindowAtAChange) {
  Settings("5", "Min", {Picture("a.bmp")});
  frmSaver& saver = StartFullScreen();
  ToFirstChange();
  EXPECT_EQ(saver.Image1.Left(), 0);
  EXPECT_EQ(saver.Image1.Top(), 0);
  EXPECT_EQ(saver.Image1.Width(), 15360);
  EXPECT_EQ(saver.Image1.Height(), 11520);
  EXPECT_EQ(std::get<std::int32_t>(saver.Image1.Property(fx::kStretch)), 2);
}

TEST_F(Placement, LoadVariantKeepsAMarginAndFollowsTheLargerSide) {
  frmSaver& saver = StartFullScreen();
  struct Case { float w, h, width, height; };
  for (Case c : {Case{9270, 6270, 15350, 11502}, Case{6270, 9270, 15336, 11510}, Case{5000, 5000, 15350, 11502}}) {
    saver.Image1.SetWidth(c.w);
    saver.Image1.SetHeight(c.h);
    saver.Image1.SetVisible(true);
    saver.ChangePicSize();
    EXPECT_EQ(saver.Image1.Left(), 10);
    EXPECT_EQ(saver.Image1.Top(), 10);
    EXPECT_EQ(saver.Image1.Width(), c.width) << c.w << "x" << c.h;
    EXPECT_EQ(saver.Image1.Height(), c.height) << c.w << "x" << c.h;
    EXPECT_FALSE(saver.Image1.Visible());
  }
}

TEST_F(Placement, ResizeAndCentringPlaceTheDesignSizeAlike) {
  Settings("5", "Min", {Picture("a.bmp")}, /*fullWindow=*/false);
  frmSaver& saver = StartFullScreen();
  EXPECT_EQ(saver.Image2.Width(), 15360);
  EXPECT_EQ(saver.Image2.Height(), 11520);
  EXPECT_EQ(saver.Label1.Width(), 15360);
  for (const FXImage* image : {&saver.Image1, &saver.Image11}) {
    EXPECT_EQ(image->Left(), 3045);
    EXPECT_EQ(image->Top(), 2625);
  }
  EXPECT_TRUE(saver.Image11.Visible());
  ToFirstChange();
  EXPECT_EQ(saver.Image1.Left(), 3045);
  EXPECT_EQ(saver.Image1.Top(), 2625);
  EXPECT_EQ(saver.Image1.Width(), 9270);
  EXPECT_TRUE(saver.Image1.Visible());
}

TEST_F(Placement, CentringNeverShrinksAControlLargerThanTheWindow) {
  Settings("5", "Min", {}, /*fullWindow=*/false);
  frmSaver& saver = StartFullScreen();
  saver.Image1.SetWidth(20000);
  saver.Image1.SetHeight(11520);
  ToFirstChange();
  EXPECT_EQ(saver.Image1.Left(), 0);
  EXPECT_EQ(saver.Image1.Width(), 20000);
  EXPECT_EQ(saver.Image1.Top(), 0);  // exactly as high: 0 from the formula
}

TEST_F(Placement, AWindowWithoutSizeStopsTheChangeSilently) {
  Settings("0", "Sec", {Picture("a.bmp")});
  frmSaver& saver = StartPreview(0, 0);
  Ticks(8);
  EXPECT_FALSE(saver.Image1.PictureAssigned());
  EXPECT_EQ(saver.PicIndex, 0);
  EXPECT_TRUE(s.sim.ErrorBoxes().empty());
}

}  // namespace
}  // namespace velvora::test
