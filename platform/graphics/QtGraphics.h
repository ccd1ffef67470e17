#pragma once
// The Qt side of the graphics layer, for the controls layer and the drawing
// code: colours to QColor, fonts to QFont, a canvas's painter.

#include <QColor>
#include <QFont>

#include "platform/graphics/Colors.h"

class QPainter;
class TFont;
class TCanvas;

// System colours resolved through the palette; clNone and clDefault give an
// invalid QColor.
QColor ColorToQColor(TColor color);
TColor QColorToColor(const QColor& color);

// The font to draw TFont with: its name when that family is installed, else
// an installed family of the same kind (fixed pitch for typewriter names), at
// the font's pixel height, with its style. TFont keeps the name the user set.
QFont FontToQFont(const TFont& font);

// The painter a canvas draws with, its DC created on demand; raises
// EInvalidOperation when the canvas has none and cannot make one.
QPainter* CanvasPainter(TCanvas* canvas);
