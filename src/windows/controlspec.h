#pragma once

#include <Qt>

#include <span>

namespace virdo {

enum class Kind {
    Button,
    TextBox,
    MultiLineTextBox, // wraps at blanks, no scroll bars, every line centred
    Label,
    CheckBox,
    PictureBox,
};

// A face of nullptr means the window's own font.
struct FontSpec
{
    const char *face = nullptr;
    double points = 0;
    bool bold = false;
    bool italic = false;
};

inline constexpr int defaultColour = -1;

// One control as the window designer laid it out. Positions and sizes are in twips
// (1/1440 inch) from the top-left corner of the client area; colours are 0xRRGGBB.
struct ControlSpec
{
    const char *name;
    Kind kind;
    const char *text;
    int left;
    int top;
    int width;
    int height;
    int tabIndex;
    bool shown;
    FontSpec font;
    int textColour = defaultColour;
    int background = defaultColour;
    Qt::Alignment alignment = Qt::AlignHCenter;
    const char *accessibleName = nullptr;
    int maxLength = 0; // characters a text box takes; 0 keeps Qt's own limit (32767)
};

// Rows are in stacking order, topmost first.
struct WindowSpec
{
    const char *name;
    const char *caption;
    int clientWidth;  // twips
    int clientHeight; // twips
    bool fixedFrame;
    int background;
    FontSpec font;
    const char *icon;
    std::span<const ControlSpec> controls;
};

} // namespace virdo
