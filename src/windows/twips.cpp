#include "windows/twips.h"

#include <QWidget>

#include <cmath>

namespace virdo {

namespace {
constexpr double twipsPerInch = 1440.0;
}

int twipsToPixelsX(const QWidget *widget, int twips)
{
    return int(std::lround(twips * widget->logicalDpiX() / twipsPerInch));
}

int twipsToPixelsY(const QWidget *widget, int twips)
{
    return int(std::lround(twips * widget->logicalDpiY() / twipsPerInch));
}

int pixelsToTwipsX(const QWidget *widget, int pixels)
{
    return int(std::lround(pixels * twipsPerInch / widget->logicalDpiX()));
}

int pixelsToTwipsY(const QWidget *widget, int pixels)
{
    return int(std::lround(pixels * twipsPerInch / widget->logicalDpiY()));
}

} // namespace virdo
