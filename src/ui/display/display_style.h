#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace lunarys::ui {

// Colours of the result window.
namespace colour {
inline const QColor Background{64, 64, 0};        // dark olive
inline const QColor CaptionYellow{255, 255, 192};  // fixed captions
inline const QColor FrameYellow{255, 255, 128};    // frame titles
inline const QColor NoteCyan{128, 255, 255};       // explanatory notes
inline const QColor Value{255, 255, 255};          // values and box texts
inline const QColor ButtonGrey{224, 224, 224};
inline const QColor HouseHeading{255, 255, 0};
inline const QColor HouseText{255, 255, 255};
}  // namespace colour

// Verdana where it is installed, otherwise an installed sans-serif family.
QString ReadingFontFamily();
QFont ReadingFont(double pointSize, bool bold);

// Twips are 1/1440 inch: 15 to a pixel at 96 dots per inch.
int TwipsToPixels(int twips, double logicalDpi);
QRect TwipsToPixels(const QRect& twips, double logicalDpiX, double logicalDpiY);

// Puts a widget at a rectangle given in twips, at its own logical dpi.
void PlaceInTwips(QWidget& widget, int left, int top, int width, int height);

// Places a label, whose font is already set, at a rectangle given in twips
// and keeps its text whole:
// FitLabel, run again after every change of the text, widens a label whose
// text does not fit (within its parent, about its alignment), makes it tall
// enough for its font, and as a last resort sets the text a little smaller.
void PlaceLabelInTwips(QLabel& label, int left, int top, int width, int height);
void FitLabel(QLabel& label);

}  // namespace lunarys::ui
