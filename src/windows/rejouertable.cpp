#include "windows/gametables.h"

namespace virdo {

namespace {

using namespace tablecolour;

constexpr FontChoice roundedSans{"Arial Rounded MT Bold", 18, true, false};

// Topmost first. The labels and the name box share the window's light cyan,
// so that they read as text painted on the window.
constexpr ControlRow controls[] = {
    {.name = "nj", .kind = Kind::TextBox, .text = "",
     .left = 0, .top = 0, .width = 4695, .height = 735, .tabIndex = 4, .shown = true,
     .font = {"Times New Roman", 12, true, false}, .textColour = navy, .background = lightCyan, .accessibleName = "Ton prénom", .maxLength = longueurPrenom},
    {.name = "NON", .kind = Kind::Button, .text = "NON",
     .left = 2520, .top = 1680, .width = 1095, .height = 735, .tabIndex = 2, .shown = true,
     .font = roundedSans},
    {.name = "OUI", .kind = Kind::Button, .text = "OUI",
     .left = 720, .top = 1680, .width = 1215, .height = 735, .tabIndex = 1, .shown = true,
     .font = roundedSans},
    {.name = "Label2", .kind = Kind::Label, .text = "Pivolane",
     .left = 120, .top = 2400, .width = 4455, .height = 615, .tabIndex = 3, .shown = true,
     .font = {"Script MT Bold", 21.75, true, true}, .textColour = darkRed, .background = lightCyan},
    {.name = "Label1", .kind = Kind::Label, .text = "Veux-tu rejouer ?",
     .left = 360, .top = 840, .width = 4215, .height = 615, .tabIndex = 0, .shown = true,
     .font = {"Script MT Bold", 26.25, true, false}, .textColour = navy, .background = lightCyan},
};

static_assert(rowsFollow<RejouerControl>(controls));

constexpr WindowTable table{
    .name = "Rejouer",
    .caption = "Relancer le jeu",
    .clientWidth = 4785,
    .clientHeight = 3075,
    .fixedFrame = false,
    .background = lightCyan,
    .icon = ":/icons/rejouer.ico",
    .controls = controls,
};

} // namespace

template<>
const WindowTable &tableOf<RejouerControl>()
{
    return table;
}

} // namespace virdo
