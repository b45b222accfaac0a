#include "windows/gametables.h"

namespace virdo {

namespace {

// Both controls are 30 twips wider than the client area: their right borders fall just outside.
constexpr ControlRow controls[] = {
    {.name = "CRI", .kind = Kind::MultiLineTextBox, .text = "",
     .left = 0, .top = 4200, .width = 4575, .height = 855, .tabIndex = 1, .shown = true,
     .font = {"Times New Roman", 14.25, true, false}, .accessibleName = "Cri de victoire"},
    {.name = "Photo", .kind = Kind::PictureBox, .text = "",
     .left = 0, .top = 0, .width = 4575, .height = 4215, .tabIndex = 0, .shown = true,
     .alignment = Qt::AlignLeft, .accessibleName = "Image de la victoire"},
};

static_assert(rowsFollow<EurekaControl>(controls));

constexpr WindowTable table{
    .name = "Eureka",
    .caption = "Victoire finale",
    .clientWidth = 4545,
    .clientHeight = 5085,
    .fixedFrame = false,
    .background = defaultColour,
    .icon = ":/icons/eureka.ico",
    .controls = controls,
};

} // namespace

template<>
const WindowTable &tableOf<EurekaControl>()
{
    return table;
}

} // namespace virdo
