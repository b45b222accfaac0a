#pragma once

class QWidget;

namespace virdo {

// Twips become pixels through the screen's logical DPI: 15 twips a pixel at 96 dpi,
// so the windows keep their proportions on HiDPI screens.
int twipsToPixelsX(const QWidget *widget, int twips);
int twipsToPixelsY(const QWidget *widget, int twips);
int pixelsToTwipsX(const QWidget *widget, int pixels);
int pixelsToTwipsY(const QWidget *widget, int pixels);

} // namespace virdo
