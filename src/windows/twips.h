#pragma once

class QWidget;

namespace virdo {

// Twips become pixels through the screen's logical DPI: 15 twips a pixel at 96 dpi,
// so the windows keep their proportions on HiDPI screens. A window too large for its
// screen is drawn smaller by its scale (fonts too), its controls in the same proportions.
int twipsToPixelsX(const QWidget *widget, int twips);
int twipsToPixelsY(const QWidget *widget, int twips);
int pixelsToTwipsX(const QWidget *widget, int pixels);
int pixelsToTwipsY(const QWidget *widget, int pixels);

// The scale of the top-level window that holds WIDGET; 1 unless it was given one.
double twipsScale(const QWidget *widget);
void setTwipsScale(QWidget *window, double scale);

} // namespace virdo
