// The picture control on the desktop: the widget shows the model's frames, the design picture
// until code assigns one, fitted or stretched pictures, and the transition the model plays on
// the platform's frame clock when the control is repainted after a new picture.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>

#include "gallery_form.h"
#include "support/pictures.h"
#include "backends/qt/qt_picture_widget.h"
#include "backends/qt/qt_units.h"
#include "qt_fixture.h"
#include "saver/frm_saver.h"

namespace velvora::test {
namespace {

// The gallery shown, with its 100 x 80 pixel picture control.
struct Stage {
  Stage() : form(session.program.Use<frmGallery>()), image(form.imgPic) {
    form.Show();
    widget = static_cast<qt::FxImageWidget*>(QtSession::WidgetOf(form, "imgPic"));
  }
  QImage Shown() const { return widget->Shown().copy(); }
  // A new picture, brought in by a transition of the given effect and speed.
  void Change(PicturePtr picture, int effect, float speed) {
    image.SetPicture(std::move(picture));
    image.SetProperty(fx::kEffect, std::int32_t{effect});
    image.SetProperty(fx::kSpeed, speed);
    image.Refresh();
  }
  bool Ends(int ms = 3000) const { return WaitFor([&] { return !image.TransitionPlaying(); }, ms); }

  QtSession session;
  frmGallery& form;
  FXImage& image;
  qt::FxImageWidget* widget = nullptr;
};

TEST(QtPictureControl, TransitionRunsFromTheOldContentToTheNewPicture) {
  Stage s;
  ASSERT_NE(s.widget, nullptr);
  EXPECT_EQ(s.widget->size(), QSize(100, 80));
  s.Change(SolidPicture(4, 4, 0xFF0000FF), 1, 9);
  ASSERT_TRUE(s.Ends());
  EXPECT_EQ(s.Shown().pixel(50, 40), 0xFF0000FFu);

  QElapsedTimer clock;
  clock.start();
  s.Change(SolidPicture(4, 4, 0xFFFF0000), 1, 1);  // 2.5 s
  EXPECT_TRUE(s.image.TransitionPlaying());
  QTest::qWait(900);
  const QImage middle = s.Shown();
  SaveArtefact(middle, "transition-mid-flight");
  int oldPixels = 0, newPixels = 0;
  for (int y = 0; y < middle.height(); y += 2) {
    for (int x = 0; x < middle.width(); x += 2) {
      oldPixels += middle.pixel(x, y) == 0xFF0000FFu;
      newPixels += middle.pixel(x, y) == 0xFFFF0000u;
    }
  }
  EXPECT_GT(oldPixels, 0) << "mid-flight frame already shows only the new picture";
  EXPECT_GT(newPixels, 0) << "mid-flight frame still shows only the old picture";
  ASSERT_TRUE(s.Ends(4000));
  EXPECT_GE(clock.elapsed(), 2400);  // the speed sets the duration
  EXPECT_EQ(s.Shown().pixel(50, 40), 0xFFFF0000u);
}

TEST(QtPictureControl, InputIsHandledWhileATransitionPlays) {
  Stage s;
  s.Change(SolidPicture(4, 4, 0xFF00FF00), 84, 1);
  ASSERT_TRUE(WaitFor([&] { return s.image.TransitionProgress() > 0.1f; }));
  QWidget* window = QtSession::WindowOf(s.form);
  QTest::mouseMove(window->windowHandle(), s.widget->mapTo(window, QPoint(60, 70)));
  ASSERT_TRUE(WaitFor([&] { return !s.form.moves.empty(); }));
  EXPECT_TRUE(s.image.TransitionPlaying());
}

TEST(QtPictureControl, WithoutARepaintTheNewPictureSimplyAppears) {
  Stage s;
  s.image.SetPicture(SolidPicture(4, 4, 0xFF00FF00));
  EXPECT_FALSE(s.image.TransitionPlaying());
  EXPECT_EQ(s.Shown().pixel(10, 10), 0xFF00FF00u);
  s.image.SetPicture(nullptr);  // an empty picture clears the control
  EXPECT_EQ(qAlpha(s.Shown().pixel(10, 10)), 0);
}

TEST(QtPictureControl, FitKeepsProportionsAndPaintsTheRestInTheWindowsColour) {
  Stage s;
  s.image.SetPicture(SolidPicture(20, 10, 0xFFFFFFFF));
  EXPECT_EQ(s.Shown().pixel(50, 5), 0xFFFFFFFFu);  // stretched over 100 x 80
  s.image.SetProperty(fx::kStretch, fx::kFit);
  EXPECT_EQ(s.Shown().pixel(50, 5), 0xFF000080u);  // 100 x 50, centred: the window's navy above
  EXPECT_EQ(s.Shown().pixel(50, 40), 0xFFFFFFFFu);
}

TEST(QtPictureControl, ATransitionGoesOnAtANewSize) {
  Stage s;
  s.Change(SolidPicture(4, 4, 0xFF0000FF), 1, 9);
  ASSERT_TRUE(s.Ends());
  s.Change(SolidPicture(4, 4, 0xFFFF0000), 1, 1);
  QTest::qWait(300);
  s.image.SetWidth(3000);  // 200 pixels
  EXPECT_TRUE(s.image.TransitionPlaying());
  QTest::qWait(300);
  EXPECT_EQ(s.Shown().size(), QSize(200, 80));
  EXPECT_EQ(s.Shown().pixel(199, 40), 0xFF0000FFu) << "the old picture, scaled, still ahead of the wipe";
  EXPECT_EQ(s.Shown().pixel(0, 40), 0xFFFF0000u);
  ASSERT_TRUE(s.Ends(4000));
  EXPECT_EQ(s.Shown().pixel(199, 79), 0xFFFF0000u);
}

TEST(QtPictureControl, TheDesignPictureUnderneathNeverShowsThroughAPicture) {
  QtSession session;
  session.program.Start([](Program& p) {
    auto& saver = p.Use<frmSaver>();
    saver.SetWindowState(WindowState::Maximized);
    saver.Show();
  });
  auto* saver = session.program.IfLoaded<frmSaver>();
  ASSERT_NE(saver, nullptr);
  QWidget* window = QtSession::WindowOf(*saver);
  QWidget* image1 = QtSession::WidgetOf(*saver, "Image1");
  QWidget* image11 = QtSession::WidgetOf(*saver, "Image11");
  ASSERT_TRUE(WaitFor([&] { return image11->isVisible(); }));
  // Centred placement: both pictures at their design size, the slideshow picture over the design
  // picture.
  const FXImage& design = saver->Image11;
  saver->Image1.Move(design.Left(), design.Top(), design.Width(), design.Height());
  ASSERT_EQ(image1->geometry(), image11->geometry());
  // A tall picture fitted into the wide control, with a transparent stripe down its middle.
  auto tall = std::make_shared<Picture>(*SolidPicture(2, 8, 0xFFFF0000u));
  for (int y = 0; y < 8; ++y) tall->pixels[static_cast<std::size_t>(y * 2)] = 0x00000000u;
  saver->Image1.SetProperty(fx::kStretch, fx::kFit);
  saver->Image1.SetPicture(tall);
  saver->Image1.SetVisible(true);
  QTest::qWait(50);
  const QImage screen = window->grab().toImage();
  SaveArtefact(screen, "frmSaver-fitted-picture");
  const QRgb back = qt::ToQColor(saver->BackColor()).rgb();
  const QRect area = image1->geometry().translated(image1->parentWidget()->mapTo(window, QPoint(0, 0)));
  EXPECT_EQ(screen.pixel(area.left() + 5, area.center().y()), back) << "beside the picture";
  EXPECT_EQ(screen.pixel(area.right() - 5, area.center().y()), back) << "beside the picture";
  const int fittedWidth = area.height() / 4, fittedLeft = area.left() + (area.width() - fittedWidth) / 2;
  EXPECT_EQ(screen.pixel(fittedLeft + fittedWidth / 10, area.center().y()), back) << "in its hole";
  EXPECT_EQ(screen.pixel(fittedLeft + fittedWidth * 9 / 10, area.center().y()), 0xFFFF0000u);
}

// An opaque frame is painted without the window and the controls beneath it; anything else
// still lets them show.
TEST(QtPictureControl, OnlyAFrameCoveringTheWholeControlHidesWhatLiesBeneath) {
  Stage s;
  const auto opaque = [&] { return s.widget->testAttribute(Qt::WA_OpaquePaintEvent); };
  QWidget* window = QtSession::WindowOf(s.form);
  const QPoint centre = s.widget->mapTo(window, s.widget->rect().center());
  EXPECT_FALSE(opaque()) << "the design picture leaves its surroundings clear";
  s.Change(SolidPicture(4, 4, 0xFF0000FF), 84, 9);
  EXPECT_FALSE(opaque()) << "fading in from the design picture";
  ASSERT_TRUE(s.Ends());
  EXPECT_TRUE(opaque());
  EXPECT_EQ(window->grab().toImage().pixel(centre), 0xFF0000FFu);
  s.Change(SolidPicture(4, 4, 0xFFFF0000), 84, 9);
  EXPECT_TRUE(opaque()) << "from one picture to the next";
  ASSERT_TRUE(s.Ends());
  EXPECT_EQ(window->grab().toImage().pixel(centre), 0xFFFF0000u);
  s.image.SetPicture(nullptr);
  EXPECT_FALSE(opaque());
  EXPECT_EQ(window->grab().toImage().pixel(centre), 0xFF000080u) << "the window's navy shows again";
}

TEST(QtPictureControl, TheModelsRepaintStartsTheTransitionWithItsSettings) {
  Stage s;
  // The design picture shows until code assigns one.
  EXPECT_GT(qAlpha(s.Shown().pixel(50, 40)), 0);
  s.image.SetPicture(SolidPicture(8, 8, 0xFF123456));
  s.image.SetProperty(fx::kEffect, std::int32_t{30});
  s.image.SetProperty(fx::kSpeed, 9.0f);
  s.image.SetProperty(fx::kColourA, std::int32_t{Rgb(255, 0, 0)});
  s.image.SetProperty(fx::kColourB, kButtonFace);
  s.image.Refresh();
  EXPECT_TRUE(s.image.TransitionPlaying());
  ASSERT_TRUE(s.Ends());
  EXPECT_EQ(s.Shown().pixel(50, 40), 0xFF123456u);
}

}  // namespace
}  // namespace velvora::test
