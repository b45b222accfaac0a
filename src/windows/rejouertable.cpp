#include "windows/windowtables.h"

#include <string_view>

namespace virdo {

namespace {

constexpr int navy = 0x000080;
constexpr int lightCyan = 0xC0FFFF;
constexpr int darkRed = 0xC00000;

constexpr FontSpec roundedSans{"Arial Rounded MT Bold", 18, true, false};

// Topmost first. The labels and the name box share the window's light cyan,
// so that they read as text painted on the window.
constexpr ControlSpec controls[] = {
    {"nj", Kind::TextBox, "", 0, 0, 4695, 735, 4, true, {"Times New Roman", 12, true, false}, navy, lightCyan, Qt::AlignHCenter, "Ton prénom", longueurPrenom},
    {"NON", Kind::Button, "NON", 2520, 1680, 1095, 735, 2, true, roundedSans},
    {"OUI", Kind::Button, "OUI", 720, 1680, 1215, 735, 1, true, roundedSans},
    {"Label2", Kind::Label, "Pivolane", 120, 2400, 4455, 615, 3, true, {"Script MT Bold", 21.75, true, true}, darkRed, lightCyan},
    {"Label1", Kind::Label, "Veux-tu rejouer ?", 360, 840, 4215, 615, 0, true, {"Script MT Bold", 26.25, true, false}, navy, lightCyan},
};

// The names of RejouerControl stand for the rows of this table.
constexpr bool at(RejouerControl key, std::string_view name)
{
    return controls[std::size_t(key)].name == name;
}
static_assert(std::size(controls) == std::size_t(RejouerControl::Label1) + 1);
static_assert(at(RejouerControl::nj, "nj") && at(RejouerControl::NON, "NON") &&
              at(RejouerControl::OUI, "OUI") && at(RejouerControl::Label2, "Label2") &&
              at(RejouerControl::Label1, "Label1"));

} // namespace

const WindowSpec &windowSpec(RejouerControl)
{
    static const WindowSpec spec{
        "Rejouer",
        "Relancer le jeu",
        4785, 3075,
        false,
        lightCyan,
        {},
        ":/icons/rejouer.ico",
        controls,
    };
    return spec;
}

} // namespace virdo
