// The picture control: design picture, fitted or stretched pictures, and the transition that
// plays from the old content to a new picture when the control is repainted.
#include <gtest/gtest.h>

#include <QTest>

#include "gallery_form.h"
#include "backends/qt/qt_picture_widget.h"
#include "qt_fixture.h"

namespace velvora::test {
namespace {

PicturePtr Solid(int w, int h, std::uint32_t argb) {
  auto p = std::make_shared<Picture>();
  p->width = w;
  p->height = h;
  p->pixels.assign(static_cast<std::size_t>(w * h), argb);
  return p;
}

struct Stage {
  Stage() : picture(new qt::FxImageWidget(&host)) {
    host.resize(200, 150);
    picture->setGeometry(0, 0, 200, 150);
    host.show();
  }
  QWidget host;
  qt::FxImageWidget* picture;
};

TEST(QtPictureControl, TransitionRunsFromTheOldContentToTheNewPicture) {
  Stage s;
  s.picture->SetPicture(Solid(4, 4, 0xFF0000FF));
  s.picture->PlayTransition({.effect = 1, .speed = 9});
  ASSERT_TRUE(WaitFor([&] { return !s.picture->Animating(); }));
  EXPECT_EQ(s.picture->Shown().pixel(100, 75), 0xFF0000FFu);

  s.picture->SetPicture(Solid(4, 4, 0xFFFF0000));
  QElapsedTimer clock;
  clock.start();
  s.picture->PlayTransition({.effect = 1, .speed = 1});  // 2.5 s
  EXPECT_TRUE(s.picture->Animating());
  QTest::qWait(900);
  const QImage middle = s.picture->Shown();
  SaveArtefact(middle, "transition-mid-flight");
  int oldPixels = 0, newPixels = 0;
  for (int y = 0; y < middle.height(); y += 5) {
    for (int x = 0; x < middle.width(); x += 5) {
      oldPixels += middle.pixel(x, y) == 0xFF0000FFu;
      newPixels += middle.pixel(x, y) == 0xFFFF0000u;
    }
  }
  EXPECT_GT(oldPixels + newPixels, 0);
  EXPECT_NE(middle, QImage(middle.size(), middle.format()));
  EXPECT_TRUE(oldPixels > 0 || newPixels < 1200) << "mid-flight frame already shows only the new picture";
  ASSERT_TRUE(WaitFor([&] { return !s.picture->Animating(); }, 4000));
  EXPECT_GE(clock.elapsed(), 2400);  // the speed sets the duration
  EXPECT_EQ(s.picture->Shown().pixel(100, 75), 0xFFFF0000u);
}

TEST(QtPictureControl, WithoutARepaintTheNewPictureSimplyAppears) {
  Stage s;
  s.picture->SetPicture(Solid(4, 4, 0xFF00FF00));
  EXPECT_FALSE(s.picture->Animating());
  EXPECT_EQ(s.picture->Shown().pixel(10, 10), 0xFF00FF00u);
  s.picture->SetPicture(nullptr);  // an empty picture clears the control
  EXPECT_EQ(qAlpha(s.picture->Shown().pixel(10, 10)), 0);
}

TEST(QtPictureControl, FitKeepsProportionsStretchFillsTheControl) {
  Stage s;
  s.picture->SetPicture(Solid(20, 10, 0xFFFFFFFF));
  EXPECT_EQ(s.picture->Shown().pixel(100, 5), 0xFFFFFFFFu);  // stretched over 200 x 150
  s.picture->SetFit(true);
  EXPECT_EQ(qAlpha(s.picture->Shown().pixel(100, 5)), 0);    // 200 x 100, centred: rows above are empty
  EXPECT_EQ(s.picture->Shown().pixel(100, 75), 0xFFFFFFFFu);
}

TEST(QtPictureControl, TheModelsRepaintStartsTheTransitionWithItsSettings) {
  QtSession session;
  auto& form = session.program.Use<frmGallery>();
  form.Show();
  auto* widget = static_cast<qt::FxImageWidget*>(QtSession::WidgetOf(form, "imgPic"));
  ASSERT_NE(widget, nullptr);
  // The design picture shows until code assigns one.
  EXPECT_GT(qAlpha(widget->Shown().pixel(50, 40)), 0);
  form.imgPic.SetPicture(Solid(8, 8, 0xFF123456));
  form.imgPic.SetProperty(fx::kEffect, std::int32_t{30});
  form.imgPic.SetProperty(fx::kSpeed, 9.0f);
  form.imgPic.SetProperty(fx::kColourA, std::int32_t{Rgb(255, 0, 0)});
  form.imgPic.SetProperty(fx::kColourB, kButtonFace);
  form.imgPic.Refresh();
  EXPECT_TRUE(widget->Animating());
  ASSERT_TRUE(WaitFor([&] { return !widget->Animating(); }));
  EXPECT_EQ(widget->Shown().pixel(50, 40), 0xFF123456u);
}

}  // namespace
}  // namespace velvora::test
