#include "flow/jeu.h"

#include "windows/announcer.h"
#include "windows/toolkit.h"

namespace virdo {

namespace {

// A number alone says nothing to a listener: it is told with the label that stands
// beside it on screen ("Total provisoire > 12").
QString lu(const VirdoWindow &fenetre, VirdoControl controle)
{
    const QString affiche = text(fenetre.control(controle));
    switch (controle) {
    case VirdoControl::Nombre:
        return text(fenetre.control(VirdoControl::Affichage)) + affiche;
    case VirdoControl::BUT:
        return text(fenetre.control(VirdoControl::Label3)) + affiche;
    default:
        return affiche;
    }
}

} // namespace

void Jeu::annoncer(std::initializer_list<VirdoControl> controles)
{
    QStringList textes;
    for (const VirdoControl controle : controles)
        textes << lu(*m_principale, controle);
    m_annonces.announce(m_principale, textes);
}

} // namespace virdo
