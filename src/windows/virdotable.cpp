#include "windows/gametables.h"

#include <stdexcept>
#include <string>

namespace virdo {

namespace {

using namespace tablecolour;

constexpr FontChoice times975{"Times New Roman", 9.75, true, false};
constexpr FontChoice times12Italic{"Times New Roman", 12, true, true};
constexpr FontChoice times1425{"Times New Roman", 14.25, true, false};
constexpr FontChoice times1425Italic{"Times New Roman", 14.25, true, true};
constexpr FontChoice times18{"Times New Roman", 18, true, false};
constexpr FontChoice roundedSans{"Arial Rounded MT Bold", 14.25, true, false};
constexpr FontChoice checkFont{"MS Sans Serif", 8.25, false, false};

constexpr auto left = Qt::AlignLeft;

// Topmost first: nbj is drawn over the right end of nj.
constexpr ControlRow controls[] = {
    {.name = "FIN", .kind = Kind::Button, .text = "Suite ou FIN",
     .left = 7440, .top = 4680, .width = 1575, .height = 735, .tabIndex = 24, .shown = false,
     .font = times1425},
    {.name = "Envoi", .kind = Kind::Button, .text = "Clique ici pour continuer",
     .left = 9120, .top = 3960, .width = 1575, .height = 1455, .tabIndex = 23, .shown = false},
    {.name = "BUT", .kind = Kind::TextBox, .text = "",
     .left = 5280, .top = 4680, .width = 1575, .height = 510, .tabIndex = 20, .shown = true,
     .font = times18, .textColour = maroon, .accessibleName = "Objectif final"},
    {.name = "Nombre", .kind = Kind::TextBox, .text = "0",
     .left = 2160, .top = 4680, .width = 1335, .height = 510, .tabIndex = 19, .shown = true,
     .font = times18, .textColour = navy, .accessibleName = "Total provisoire"},
    {.name = "nbj", .kind = Kind::TextBox, .text = "",
     .left = 9000, .top = 3240, .width = 855, .height = 615, .tabIndex = 18, .shown = false,
     .font = times1425, .textColour = navy, .accessibleName = "Ton nombre"},
    {.name = "nombreordinateur", .kind = Kind::TextBox, .text = "",
     .left = 1440, .top = 3960, .width = 7575, .height = 615, .tabIndex = 17, .shown = false,
     .font = times1425Italic, .textColour = maroon, .background = lightGrey, .accessibleName = "Message de l'ordinateur"},
    {.name = "nj", .kind = Kind::TextBox, .text = "",
     .left = 1440, .top = 3240, .width = 8535, .height = 615, .tabIndex = 16, .shown = false,
     .font = times1425, .textColour = navy, .background = lightGrey, .accessibleName = "Message pour toi"},
    {.name = "Ordinateur", .kind = Kind::Button, .text = "C'est moi l'ordinateur",
     .left = 120, .top = 3960, .width = 1215, .height = 615, .tabIndex = 15, .shown = false,
     .font = times975},
    {.name = "Joueur", .kind = Kind::Button, .text = "C'est toi qui commences",
     .left = 120, .top = 3240, .width = 1215, .height = 615, .tabIndex = 14, .shown = false,
     .font = times975},
    {.name = "Tirage", .kind = Kind::MultiLineTextBox, .text = "",
     .left = 120, .top = 2040, .width = 9855, .height = 1095, .tabIndex = 13, .shown = false,
     .textColour = maroon, .background = lightGrey, .accessibleName = "Consignes"},
    {.name = "Check8", .kind = Kind::CheckBox, .text = "",
     .left = 10440, .top = 3360, .width = 375, .height = 375, .tabIndex = 12, .shown = false,
     .font = checkFont, .accessibleName = "Programme 8"},
    {.name = "Check7", .kind = Kind::CheckBox, .text = "",
     .left = 10440, .top = 3000, .width = 255, .height = 255, .tabIndex = 11, .shown = false,
     .font = checkFont, .accessibleName = "Programme 7"},
    {.name = "Check6", .kind = Kind::CheckBox, .text = "",
     .left = 10440, .top = 2640, .width = 255, .height = 255, .tabIndex = 10, .shown = false,
     .font = checkFont, .accessibleName = "Programme 6"},
    {.name = "Check5", .kind = Kind::CheckBox, .text = "",
     .left = 10440, .top = 2160, .width = 375, .height = 375, .tabIndex = 9, .shown = false,
     .font = checkFont, .accessibleName = "Programme 5"},
    {.name = "Check4", .kind = Kind::CheckBox, .text = "",
     .left = 10440, .top = 1800, .width = 255, .height = 375, .tabIndex = 8, .shown = false,
     .font = checkFont, .accessibleName = "Programme 4"},
    {.name = "Check3", .kind = Kind::CheckBox, .text = "",
     .left = 10440, .top = 1320, .width = 375, .height = 495, .tabIndex = 7, .shown = false,
     .font = checkFont, .accessibleName = "Programme 3"},
    {.name = "Check2", .kind = Kind::CheckBox, .text = "",
     .left = 10440, .top = 960, .width = 255, .height = 495, .tabIndex = 6, .shown = false,
     .font = checkFont, .accessibleName = "Programme 2"},
    {.name = "Check1", .kind = Kind::CheckBox, .text = "",
     .left = 10440, .top = 600, .width = 255, .height = 375, .tabIndex = 5, .shown = false,
     .font = checkFont, .accessibleName = "Programme 1"},
    {.name = "Accueil", .kind = Kind::MultiLineTextBox, .text = "",
     .left = 240, .top = 600, .width = 9735, .height = 1335, .tabIndex = 3, .shown = false,
     .font = times12Italic, .textColour = black, .background = lightGrey, .accessibleName = "Accueil et règles du jeu"},
    {.name = "Identite", .kind = Kind::Button, .text = "<<<",
     .left = 9360, .top = 120, .width = 615, .height = 375, .tabIndex = 2, .shown = true,
     .font = roundedSans},
    {.name = "ndj", .kind = Kind::TextBox, .text = "",
     .left = 4440, .top = 120, .width = 4815, .height = 375, .tabIndex = 1, .shown = true,
     .font = times1425, .textColour = maroon, .background = lightGrey, .accessibleName = "Ton prénom", .maxLength = longueurPrenom},
    {.name = "Label3", .kind = Kind::Label, .text = "Objectif Final >",
     .left = 3600, .top = 4800, .width = 1575, .height = 375, .tabIndex = 22, .shown = true,
     .textColour = blue, .alignment = left},
    {.name = "Affichage", .kind = Kind::Label, .text = "Total provisoire >",
     .left = 120, .top = 4800, .width = 1935, .height = 375, .tabIndex = 21, .shown = true,
     .textColour = red, .alignment = left},
    {.name = "Liste", .kind = Kind::Label, .text = "1 2 3 4 5 6 7 8",
     .left = 10080, .top = 600, .width = 375, .height = 3255, .tabIndex = 4, .shown = false,
     .font = times18},
    {.name = "Bonjour", .kind = Kind::Label, .text = "Bonjour, comment t'appelles-tu ?",
     .left = 120, .top = 120, .width = 4215, .height = 375, .tabIndex = 0, .shown = true,
     .font = times1425, .textColour = blue, .background = lightGrey},
};

static_assert(rowsFollow<VirdoControl>(controls));

constexpr WindowTable table{
    .name = "VIRDO",
    .caption = "Pivolane - Logique et calcul mental par  Quenbrel",
    .clientWidth = 10755,
    .clientHeight = 5520,
    .fixedFrame = true,
    .background = defaultColour,
    .font = {"Times New Roman", 12, true, false},
    .icon = ":/icons/virdo.ico",
    .controls = controls,
};

} // namespace

VirdoControl caseProgramme(int k)
{
    // As the programs' own table answers a number it does not hold.
    if (k < 1 || k > nombreDeCases)
        throw std::out_of_range("caseProgramme: no program " + std::to_string(k));
    return VirdoControl(int(VirdoControl::Check1) - (k - 1));
}

template<>
const WindowTable &tableOf<VirdoControl>()
{
    return table;
}

} // namespace virdo
