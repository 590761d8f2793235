// Every designed text of the program's windows fits the room the design gives it at 96 DPI, in
// the fonts the backend really picks (the metric-compatible substitutes where Debian has them).
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <map>

#include "backends/qt/qt_units.h"
#include "qt_fixture.h"
#include "saver/frm_saver.h"
#include "setup/frm_setup.h"
#include "windows/frm_help.h"
#include "windows/frm_options.h"

namespace velvora::test {
namespace {

// The face each designed font name must resolve to. Verdana has no metric-compatible free face;
// DejaVu Sans (from Bitstream Vera) is as wide or wider, so what fits in it fits in Verdana.
const std::map<std::string, QString> kIntended = {
    {"Arial", "Liberation Sans"}, {"MS Sans Serif", "Liberation Sans"}, {"Verdana", "DejaVu Sans"}};

// The control's rectangle on its form, in twips.
QRectF OnForm(const Control& c) {
  QRectF r(c.Left(), c.Top(), c.Width(), c.Height());
  for (const Control* outer = c.Container(); outer; outer = outer->Container()) {
    r.translate(outer->Left(), outer->Top());
  }
  return r;
}

// An auto-sized label may grow to the right until the first control beside it on its line,
// or to its container's (or form's) edge.
float RoomToTheRight(const Form& form, const Control& label, float lineHeight) {
  const QRectF me = OnForm(label);
  const QRectF line(me.left(), me.top(), 1, std::max<double>(me.height(), lineHeight));
  float room = label.Container() ? label.Container()->Width() - label.Left() : form.Width() - label.Left();
  for (const auto& other : form.Controls()) {
    if (other.get() == &label || other->Kind() == ControlKind::Timer || other->Kind() == ControlKind::Line ||
        other->Kind() == ControlKind::CommonDialog || other.get() == label.Container()) {
      continue;
    }
    const QRectF them = OnForm(*other);
    if (them.left() > me.left() && them.top() < line.bottom() && them.bottom() > line.top()) {
      room = std::min(room, static_cast<float>(them.left() - me.left()));
    }
  }
  return room;
}

// How far a line of text paints to the right of where it starts, in whole pixels: what a reader
// sees cut off or not (an advance can end a fraction past the last painted pixel).
int PaintedWidth(const QFont& font, const QString& text) {
  const QFontMetricsF metrics(font);
  QImage image(static_cast<int>(metrics.horizontalAdvance(text)) + 16, static_cast<int>(metrics.height()) + 4,
               QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(0, metrics.ascent()), text);
  }
  for (int x = image.width() - 1; x >= 0; --x) {
    for (int y = 0; y < image.height(); ++y) {
      if (qAlpha(image.pixel(x, y)) > 0) return x + 1;
    }
  }
  return 0;
}

struct Misfit {
  std::string control;
  std::string text;
  double needed = 0, room = 0;  // pixels
};

// Checks every label, styled label, option button and check box of a realised form.
std::vector<Misfit> Misfits(const Form& form) {
  std::vector<Misfit> misfits;
  for (const auto& c : form.Controls()) {
    const bool toggle = c->Kind() == ControlKind::OptionButton || c->Kind() == ControlKind::CheckBox;
    if (c->Kind() != ControlKind::Label && c->Kind() != ControlKind::FXLabel && !toggle) continue;
    if (c->Caption().empty()) continue;
    QWidget* widget = QtSession::WidgetOf(form, c->Name());
    if (!widget) {
      ADD_FAILURE() << c->Name() << " has no widget";
      continue;
    }
    if (toggle) {
      // The style's own measure: indicator, spacing and text.
      if (widget->sizeHint().width() > widget->width()) {
        misfits.push_back({c->Name(), c->Caption(), 1.0 * widget->sizeHint().width(), 1.0 * widget->width()});
      }
      continue;
    }
    const QFont font = widget->font();
    auto intended = kIntended.find(c->GetFont().name);
    if (intended != kIntended.end()) {
      EXPECT_EQ(QFontInfo(font).family().toStdString(), intended->second.toStdString())
          << c->Name() << " in " << c->GetFont().name;
    }
    const QFontMetricsF metrics(font);
    const QString text = QString::fromStdString(c->Caption());
    const auto* label = dynamic_cast<const Label*>(c.get());
    if (label && label->wordWrap) {
      // Wrapped within its width, the text must stay within its height.
      const double width = qt::ToPixels(c->Width()), height = qt::ToPixels(c->Height());
      const QRectF used = metrics.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text);
      if (used.height() > height || used.width() > width) {
        misfits.push_back({c->Name(), c->Caption(), used.height(), height});
      }
      continue;
    }
    const float roomTwips = label && label->autoSize
                                ? RoomToTheRight(form, *c, qt::ToTwips(static_cast<int>(metrics.height())))
                                : c->Width();
    const double needed = PaintedWidth(font, text), room = qt::ToPixels(roomTwips);
    if (needed > room) misfits.push_back({c->Name(), c->Caption(), needed, room});
  }
  return misfits;
}

std::string Describe(const std::vector<Misfit>& misfits) {
  std::string out;
  for (const Misfit& m : misfits) {
    out += "\n  " + m.control + " \"" + m.text + "\": needs " + std::to_string(m.needed) + " px of " +
           std::to_string(m.room);
  }
  return out;
}

template <class F>
void ExpectEveryTextFits() {
  QtSession s;
  ASSERT_DOUBLE_EQ(qt::TwipsPerPixel(), 15.0);  // 96 DPI
  const std::vector<Misfit> misfits = Misfits(s.program.Use<F>());
  EXPECT_TRUE(misfits.empty()) << F::kName << ":" << Describe(misfits);
}

TEST(QtDesignedTexts, SetupDialogTextsFit) { ExpectEveryTextFits<frmSetup>(); }
TEST(QtDesignedTexts, HelpWindowTextsFit) { ExpectEveryTextFits<frmHelp>(); }
TEST(QtDesignedTexts, OptionsDialogTextsFit) { ExpectEveryTextFits<frmOptions>(); }
TEST(QtDesignedTexts, SlideshowWelcomeLineFits) { ExpectEveryTextFits<frmSaver>(); }

}  // namespace
}  // namespace velvora::test
