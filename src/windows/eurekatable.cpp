#include "windows/windowtables.h"

#include <string_view>

namespace virdo {

namespace {

// Both controls are 30 twips wider than the client area: their right borders fall just outside.
constexpr ControlSpec controls[] = {
    {"CRI", Kind::MultiLineTextBox, "", 0, 4200, 4575, 855, 1, true, {"Times New Roman", 14.25, true, false}, defaultColour, defaultColour, Qt::AlignHCenter, "Cri de victoire"},
    {"Photo", Kind::PictureBox, "", 0, 0, 4575, 4215, 0, true, {}, defaultColour, defaultColour, Qt::AlignLeft, "Image de la victoire"},
};

// The names of EurekaControl stand for the rows of this table.
constexpr bool at(EurekaControl key, std::string_view name)
{
    return controls[std::size_t(key)].name == name;
}
static_assert(std::size(controls) == std::size_t(EurekaControl::Photo) + 1);
static_assert(at(EurekaControl::CRI, "CRI") && at(EurekaControl::Photo, "Photo"));

} // namespace

const WindowSpec &windowSpec(EurekaControl)
{
    static const WindowSpec spec{
        "Eureka",
        "Victoire finale",
        4545, 5085,
        false,
        defaultColour,
        {},
        ":/icons/eureka.ico",
        controls,
    };
    return spec;
}

} // namespace virdo
