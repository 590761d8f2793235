#include "backends/qt/qt_units.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <cmath>

#include "backends/qt/qt_platform.h"
#include "effects/transition.h"

namespace velvora::qt {

double TwipsPerPixel() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
  return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

int ToPixels(float twips) { return static_cast<int>(std::lround(twips / TwipsPerPixel())); }

float ToTwips(int pixels) { return static_cast<float>(pixels * TwipsPerPixel()); }

QRect PixelRect(float left, float top, float width, float height) {
  const int x = ToPixels(left), y = ToPixels(top);
  return {x, y, ToPixels(left + width) - x, ToPixels(top + height) - y};
}

namespace {

// The palette role that stands for a system colour index on this desktop.
bool PaletteRole(int index, QPalette::ColorGroup& group, QPalette::ColorRole& role) {
  group = QPalette::Active;
  switch (index) {
    case 5: role = QPalette::Base; return true;              // window (text field) background
    case 8: role = QPalette::Text; return true;              // window text
    case 15: role = QPalette::Button; return true;           // button face
    case 18: role = QPalette::ButtonText; return true;       // button text
    case 23: role = QPalette::ToolTipText; return true;      // tooltip text
    case 24: role = QPalette::ToolTipBase; return true;      // tooltip background
    case 13: role = QPalette::Highlight; return true;        // selected item
    case 14: role = QPalette::HighlightedText; return true;  // selected item text
    case 16: role = QPalette::Dark; return true;             // button shadow
    case 20: role = QPalette::Light; return true;            // button highlight
    case 17: group = QPalette::Disabled; role = QPalette::Text; return true;  // grey text
    default: return false;
  }
}

}  // namespace

std::uint32_t SystemColourArgb(int index) {
  QPalette::ColorGroup group;
  QPalette::ColorRole role;
  if (!PaletteRole(index, group, role)) return effects::DefaultSystemColour(index);
  return QApplication::palette().color(group, role).rgba();
}

std::uint32_t QtPlatform::SystemColourArgb(int index) { return qt::SystemColourArgb(index); }

QColor ToQColor(Colour colour) {
  return QColor::fromRgba(effects::ArgbFromColourWord(colour, &SystemColourArgb));
}

Colour FromQColor(const QColor& colour) { return Rgb(colour.red(), colour.green(), colour.blue()); }

// Metric-compatible faces first (Liberation Sans has Arial's widths, and the dialog font's texts
// were laid out for about those), so the designed texts fit their designed rooms.
void InstallFontSubstitutions() {
  QFont::insertSubstitutions("Verdana", {"DejaVu Sans", "Bitstream Vera Sans", "Sans Serif"});
  QFont::insertSubstitutions("Arial", {"Liberation Sans", "Arimo", "Nimbus Sans", "DejaVu Sans"});
  QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arimo", "Nimbus Sans", "DejaVu Sans"});
  QFont::insertSubstitutions("Dauphin", {"URW Chancery L", "Z003", "DejaVu Serif", "Serif"});
}

QFont ToQFont(const Font& font) {
  QFont f(QString::fromStdString(font.name));
  f.setPointSizeF(font.size);
  f.setBold(font.bold);
  f.setItalic(font.italic);
  f.setUnderline(font.underline);
  return f;
}

QString AssetPath(const std::string& name) {
  if (name.empty()) return {};
  QString file = QString::fromStdString(name);
  if (QFileInfo(file).suffix().isEmpty()) file += ".png";
  const QString program = QCoreApplication::applicationDirPath();
  for (const QString& folder : {program + "/assets", program + "/../share/velvora/assets",
                                QStringLiteral(VELVORA_SOURCE_ASSETS)}) {
    QFileInfo candidate(QDir(folder), file);
    if (candidate.isFile()) return candidate.absoluteFilePath();
  }
  return {};
}

}  // namespace velvora::qt
