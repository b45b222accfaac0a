#include "windows/twips.h"

#include <QVariant>
#include <QWidget>

#include <cmath>

namespace virdo {

namespace {
constexpr double twipsPerInch = 1440.0;
constexpr char scaleProperty[] = "virdoTwipsScale";

double scaledDpiX(const QWidget *widget)
{
    return widget->logicalDpiX() * twipsScale(widget);
}

double scaledDpiY(const QWidget *widget)
{
    return widget->logicalDpiY() * twipsScale(widget);
}
} // namespace

double twipsScale(const QWidget *widget)
{
    const QVariant scale = widget->window()->property(scaleProperty);
    return scale.isValid() ? scale.toDouble() : 1.0;
}

void setTwipsScale(QWidget *window, double scale)
{
    window->setProperty(scaleProperty, scale);
}

int twipsToPixelsX(const QWidget *widget, int twips)
{
    return int(std::lround(twips * scaledDpiX(widget) / twipsPerInch));
}

int twipsToPixelsY(const QWidget *widget, int twips)
{
    return int(std::lround(twips * scaledDpiY(widget) / twipsPerInch));
}

int pixelsToTwipsX(const QWidget *widget, int pixels)
{
    return int(std::lround(pixels * twipsPerInch / scaledDpiX(widget)));
}

int pixelsToTwipsY(const QWidget *widget, int pixels)
{
    return int(std::lround(pixels * twipsPerInch / scaledDpiY(widget)));
}

} // namespace virdo
