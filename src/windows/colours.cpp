#include "windows/colours.h"

#include <QColor>

#include <algorithm>
#include <cmath>

namespace virdo {

namespace {

// Text reads on a background with a contrast of 4.5, or as well as it did on the design's own
// (red on the face never reaches 4.5).
bool readsOn(int text, const QColor &background, int design)
{
    if (text == defaultColour)
        return true;
    const QColor colour = QColor::fromRgb(QRgb(text));
    const double needed = std::min(4.5, contrast(colour, QColor::fromRgb(QRgb(design))));
    return contrast(colour, background) >= needed;
}

} // namespace

double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

int backgroundFor(const ControlRow &row, const QColor &themed, int design)
{
    if (row.background != defaultColour || row.textColour == defaultColour)
        return row.background;
    return readsOn(row.textColour, themed, design) ? int(themed.rgb() & 0xFFFFFF) : design;
}

bool labelsRead(const WindowTable &table, const QColor &window)
{
    return std::all_of(table.controls.begin(), table.controls.end(), [&](const ControlRow &row) {
        return row.kind != Kind::Label || row.background != defaultColour || readsOn(row.textColour, window, designFace);
    });
}

} // namespace virdo
