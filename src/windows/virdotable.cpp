#include "windows/windowtables.h"

#include <string_view>

namespace virdo {

namespace {

constexpr int maroon = 0x800000;
constexpr int navy = 0x000080;
constexpr int lightGrey = 0xE0E0E0;
constexpr int black = 0x000000;
constexpr int blue = 0x0000C0;
constexpr int red = 0xFF0000;

constexpr FontSpec windowFont{};
constexpr FontSpec times975{"Times New Roman", 9.75, true, false};
constexpr FontSpec times12Italic{"Times New Roman", 12, true, true};
constexpr FontSpec times1425{"Times New Roman", 14.25, true, false};
constexpr FontSpec times1425Italic{"Times New Roman", 14.25, true, true};
constexpr FontSpec times18{"Times New Roman", 18, true, false};
constexpr FontSpec roundedSans{"Arial Rounded MT Bold", 14.25, true, false};
constexpr FontSpec checkFont{"MS Sans Serif", 8.25, false, false};

constexpr auto centre = Qt::AlignHCenter;
constexpr auto left = Qt::AlignLeft;
constexpr int none = defaultColour;

// Topmost first: nbj is drawn over the right end of nj.
constexpr ControlSpec controls[] = {
    // name, kind, text, left, top, width, height, tab, shown, font, text colour, background, alignment, accessible name
    {"FIN", Kind::Button, "Suite ou FIN", 7440, 4680, 1575, 735, 24, false, times1425},
    {"Envoi", Kind::Button, "Clique ici pour continuer", 9120, 3960, 1575, 1455, 23, false, windowFont},
    {"BUT", Kind::TextBox, "", 5280, 4680, 1575, 510, 20, true, times18, maroon, none, centre, "Objectif final"},
    {"Nombre", Kind::TextBox, "0", 2160, 4680, 1335, 510, 19, true, times18, navy, none, centre, "Total provisoire"},
    {"nbj", Kind::TextBox, "", 9000, 3240, 855, 615, 18, false, times1425, navy, none, centre, "Ton nombre"},
    {"nombreordinateur", Kind::TextBox, "", 1440, 3960, 7575, 615, 17, false, times1425Italic, maroon, lightGrey, centre, "Message de l'ordinateur"},
    {"nj", Kind::TextBox, "", 1440, 3240, 8535, 615, 16, false, times1425, navy, lightGrey, centre, "Message pour toi"},
    {"Ordinateur", Kind::Button, "C'est moi l'ordinateur", 120, 3960, 1215, 615, 15, false, times975},
    {"Joueur", Kind::Button, "C'est toi qui commences", 120, 3240, 1215, 615, 14, false, times975},
    {"Tirage", Kind::MultiLineTextBox, "", 120, 2040, 9855, 1095, 13, false, windowFont, maroon, lightGrey, centre, "Consignes"},
    {"Check8", Kind::CheckBox, "", 10440, 3360, 375, 375, 12, false, checkFont, none, none, centre, "Programme 8"},
    {"Check7", Kind::CheckBox, "", 10440, 3000, 255, 255, 11, false, checkFont, none, none, centre, "Programme 7"},
    {"Check6", Kind::CheckBox, "", 10440, 2640, 255, 255, 10, false, checkFont, none, none, centre, "Programme 6"},
    {"Check5", Kind::CheckBox, "", 10440, 2160, 375, 375, 9, false, checkFont, none, none, centre, "Programme 5"},
    {"Check4", Kind::CheckBox, "", 10440, 1800, 255, 375, 8, false, checkFont, none, none, centre, "Programme 4"},
    {"Check3", Kind::CheckBox, "", 10440, 1320, 375, 495, 7, false, checkFont, none, none, centre, "Programme 3"},
    {"Check2", Kind::CheckBox, "", 10440, 960, 255, 495, 6, false, checkFont, none, none, centre, "Programme 2"},
    {"Check1", Kind::CheckBox, "", 10440, 600, 255, 375, 5, false, checkFont, none, none, centre, "Programme 1"},
    {"Accueil", Kind::MultiLineTextBox, "", 240, 600, 9735, 1335, 3, false, times12Italic, black, lightGrey, centre, "Accueil et règles du jeu"},
    {"Identite", Kind::Button, "<<<", 9360, 120, 615, 375, 2, true, roundedSans},
    {"ndj", Kind::TextBox, "", 4440, 120, 4815, 375, 1, true, times1425, maroon, lightGrey, centre, "Ton prénom", longueurPrenom},
    {"Label3", Kind::Label, "Objectif Final >", 3600, 4800, 1575, 375, 22, true, windowFont, blue, none, left},
    {"Affichage", Kind::Label, "Total provisoire >", 120, 4800, 1935, 375, 21, true, windowFont, red, none, left},
    {"Liste", Kind::Label, "1 2 3 4 5 6 7 8", 10080, 600, 375, 3255, 4, false, times18},
    {"Bonjour", Kind::Label, "Bonjour, comment t'appelles-tu ?", 120, 120, 4215, 375, 0, true, times1425, blue, lightGrey},
};

// The names of VirdoControl stand for the rows of this table.
constexpr bool at(VirdoControl key, std::string_view name)
{
    return controls[std::size_t(key)].name == name;
}
static_assert(std::size(controls) == std::size_t(VirdoControl::Bonjour) + 1);
static_assert(at(VirdoControl::FIN, "FIN") && at(VirdoControl::Envoi, "Envoi") &&
              at(VirdoControl::BUT, "BUT") && at(VirdoControl::Nombre, "Nombre") &&
              at(VirdoControl::nbj, "nbj") && at(VirdoControl::nombreordinateur, "nombreordinateur") &&
              at(VirdoControl::nj, "nj") && at(VirdoControl::Ordinateur, "Ordinateur") &&
              at(VirdoControl::Joueur, "Joueur") && at(VirdoControl::Tirage, "Tirage") &&
              at(VirdoControl::Check8, "Check8") && at(VirdoControl::Check7, "Check7") &&
              at(VirdoControl::Check6, "Check6") && at(VirdoControl::Check5, "Check5") &&
              at(VirdoControl::Check4, "Check4") && at(VirdoControl::Check3, "Check3") &&
              at(VirdoControl::Check2, "Check2") && at(VirdoControl::Check1, "Check1") &&
              at(VirdoControl::Accueil, "Accueil") && at(VirdoControl::Identite, "Identite") &&
              at(VirdoControl::ndj, "ndj") && at(VirdoControl::Label3, "Label3") &&
              at(VirdoControl::Affichage, "Affichage") && at(VirdoControl::Liste, "Liste") &&
              at(VirdoControl::Bonjour, "Bonjour"));

} // namespace

VirdoControl caseProgramme(int k)
{
    Q_ASSERT(k >= 1 && k <= 8);
    return VirdoControl(int(VirdoControl::Check1) - (k - 1));
}

const WindowSpec &windowSpec(VirdoControl)
{
    static const WindowSpec spec{
        "VIRDO",
        "Pivolane - Logique et calcul mental par  Quenbrel",
        10755, 5520,
        true,
        defaultColour,
        {"Times New Roman", 12, true, false},
        ":/icons/virdo.ico",
        controls,
    };
    return spec;
}

} // namespace virdo
