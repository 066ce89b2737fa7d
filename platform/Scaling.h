#pragma once

class QWidget;
class QFont;
class QString;
class QRect;

// number * numerator / denominator, to the nearest whole number, halves away
// from zero.
int MulDiv(int number, int numerator, int denominator);

// A control's place after scaling by m/d: its edges are scaled, its size is
// taken from the scaled right and bottom edges, so neighbours stay neighbours.
QRect ScaledGeometry(const QRect &geometry, int m, int d);

// A font's pixel height after scaling by m/d through its point size, as the
// user would pick it: point sizes are whole numbers.
int ScaledFontPixelHeight(int pixelHeight, int m, int d, int pixelsPerInch);

// Scales a window made for a 640-pixel-wide screen to the primary screen:
// every control inside `clientArea`, every font set on a control or on the
// window, and the client area's size (which the window takes, plus its menu
// bar). The window keeps its place.
void ScaleToScreen(QWidget &window, QWidget &clientArea);

// A font as a window is designed with: a family and a character height in
// pixels. Families the system lacks are stood in for by its sans font.
QFont DesignFont(const QString &family, int pixelHeight, bool bold);

// Places a window in the middle of the primary screen.
void CentreOnScreen(QWidget &window);
