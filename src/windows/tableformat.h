#pragma once

#include <Qt>

#include <cstddef>
#include <span>
#include <string_view>
#include <utility>

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
struct FontChoice
{
    const char *face = nullptr;
    double points = 0;
    bool bold = false;
    bool italic = false;
};

inline constexpr int defaultColour = -1;

// The colours the windows' designer picked, 0xRRGGBB, by the names the tables use.
namespace tablecolour {
inline constexpr int black = 0x000000;
inline constexpr int navy = 0x000080;
inline constexpr int blue = 0x0000C0;
inline constexpr int maroon = 0x800000;
inline constexpr int darkRed = 0xC00000;
inline constexpr int red = 0xFF0000;
inline constexpr int lightGrey = 0xE0E0E0;
inline constexpr int lightCyan = 0xC0FFFF;
} // namespace tablecolour

// One control as the window designer laid it out. Positions and sizes are in twips
// (1/1440 inch) from the top-left corner of the client area; colours are 0xRRGGBB.
struct ControlRow
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
    FontChoice font = {};
    int textColour = defaultColour;
    int background = defaultColour;
    Qt::Alignment alignment = Qt::AlignHCenter;
    const char *accessibleName = nullptr;
    int maxLength = 0; // characters a text box takes; 0 keeps Qt's own limit (32767)
};

// A window and its controls. Rows are in stacking order, topmost first.
struct WindowTable
{
    const char *name;
    const char *caption;
    int clientWidth;  // twips
    int clientHeight; // twips
    bool fixedFrame;
    int background;
    FontChoice font = {};
    const char *icon;
    std::span<const ControlRow> controls;
};

// The table of the window whose controls are named by Key; one specialisation per window.
template<typename Key>
const WindowTable &tableOf();

namespace detail {

// The name of an enumerator as the compiler spells it in a function specialised on it:
// GCC "...[with auto key = virdo::VirdoControl::FIN; ...]", Clang "...[key = virdo::VirdoControl::FIN]".
// A value that is no enumerator comes out as a cast, "(virdo::VirdoControl)25".
template<auto key>
consteval std::string_view enumeratorName()
{
    const std::string_view whole = __PRETTY_FUNCTION__;
    const std::size_t start = whole.find("key = ") + 6;
    const std::string_view value = whole.substr(start, whole.find_first_of(";]", start) - start);
    if (value.find(')') != std::string_view::npos)
        return {};
    return value.substr(value.rfind("::") + 2);
}

template<typename Key, std::size_t... row>
consteval bool rowsNamed(std::span<const ControlRow> rows, std::index_sequence<row...>)
{
    return ((rows[row].name == enumeratorName<Key(row)>()) && ...);
}

} // namespace detail

// Whether the rows stand in the order of Key's enumerators, each row named as its
// enumerator, and Key has no enumerator past the last row: accessors index the table by Key.
template<typename Key, std::size_t count>
consteval bool rowsFollow(const ControlRow (&rows)[count])
{
    return detail::rowsNamed<Key>(rows, std::make_index_sequence<count>{})
        && detail::enumeratorName<Key(count)>().empty();
}

} // namespace virdo
