// Text drawn over pictures (the styled label, a 3-D button's caption over its bitmap) reads on
// any background: its face lies over an outline in the contrasting shade.
#include <gtest/gtest.h>

#include <QPainter>

#include "backends/qt/qt_threed_widgets.h"
#include "backends/qt/qt_units.h"
#include "qt_fixture.h"

namespace velvora::test {
namespace {

struct Inks {
  int face = 0, dark = 0, light = 0;  // opaque pixels of the face colour, near black, near white
};

Inks Count(const QImage& image, const QColor& face) {
  Inks inks;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (qAlpha(p) < 192) continue;
      const QColor c = QColor::fromRgba(qUnpremultiply(p));
      if (std::abs(c.red() - face.red()) + std::abs(c.green() - face.green()) + std::abs(c.blue() - face.blue()) < 24) {
        ++inks.face;
      } else if (c.lightness() < 40) {
        ++inks.dark;
      } else if (c.lightness() > 215) {
        ++inks.light;
      }
    }
  }
  return inks;
}

QFont Bold(int points) {
  QFont font("Arial");
  font.setPointSize(points);
  font.setBold(true);
  return font;
}

TEST(QtLegibleText, ALightFaceIsOutlinedDarkAndADarkFaceLight) {
  const QSize size(300, 60);
  const Inks white = Count(qt::OutlinedText(size, Bold(20), Qt::AlignCenter, "00:05:00", Qt::white), Qt::white);
  EXPECT_GT(white.face, 200);
  EXPECT_GT(white.dark, white.face / 3);  // an outline all round, not a one-sided shadow
  const QColor green(0, 255, 0), darkBlue(0, 0, 192);
  EXPECT_GT(Count(qt::OutlinedText(size, Bold(12), Qt::AlignCenter, "Done", green), green).dark, 40);
  const Inks blue = Count(qt::OutlinedText(size, Bold(18), Qt::AlignCenter, "Done", darkBlue), darkBlue);
  EXPECT_GT(blue.light, 40);
  EXPECT_EQ(blue.dark, 0);
}

// The countdown line over a white, a black and a busy picture, kept as an artefact to look at.
TEST(QtLegibleText, CountdownLineOverPictures) {
  const QString caption = "The Velvora will change picture in: \n\r00:00:59 Minutes.";
  const QImage text = qt::OutlinedText({600, 90}, Bold(20), Qt::AlignCenter | Qt::TextWordWrap,
                                       qt::CaptionLines(caption), Qt::white);
  QImage sheet(600, 270, QImage::Format_RGB32);
  QPainter painter(&sheet);
  painter.fillRect(0, 0, 600, 90, Qt::white);
  painter.fillRect(0, 90, 600, 90, Qt::black);
  painter.drawImage(QRect(0, 180, 600, 90), QImage(qt::AssetPath("design")));
  for (int band = 0; band < 3; ++band) painter.drawImage(0, band * 90, text);
  painter.end();
  // On white the face alone would vanish: the outline must show there.
  const Inks onWhite = Count(sheet.copy(0, 0, 600, 90), Qt::white);
  EXPECT_GT(onWhite.dark, 300);
  SaveArtefact(sheet, "countdown-over-pictures");
}

}  // namespace
}  // namespace velvora::test
