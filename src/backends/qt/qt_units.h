#pragma once
// Translations from the forms model's units to Qt's: twips to pixels at the screen's logical
// DPI, colour words (including system-colour references) to QColor, designer fonts to QFont,
// asset names to files.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include "forms/types.h"

namespace velvora::qt {

// Twips per pixel on the primary screen: 1440 / logical DPI (15 at 96 DPI).
double TwipsPerPixel();
int ToPixels(float twips);
float ToTwips(int pixels);
// A rectangle given in twips, as whole pixels (edges rounded, so neighbours stay adjacent).
QRect PixelRect(float left, float top, float width, float height);

// A colour word as the palette shows it now; system colours come from the application palette.
QColor ToQColor(Colour colour);
// The same as opaque 0xAARRGGBB, in the form the transition effects take.
std::uint32_t SystemColourArgb(int index);
// A colour picked by the user, as a colour word (red in the low byte).
Colour FromQColor(const QColor& colour);

// Registers the substitutes for the designer font names that Linux desktops lack.
void InstallFontSubstitutions();
QFont ToQFont(const Font& font);

// The file of an asset ("" when it cannot be found): beside the program, in its data folder,
// then in the source tree.
QString AssetPath(const std::string& name);

}  // namespace velvora::qt
