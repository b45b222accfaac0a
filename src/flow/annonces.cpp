#include "flow/annonces.h"

#include <QLabel>
#include <QLineEdit>

namespace virdo {

QString totalLu(const VirdoWindow &fenetre)
{
    return fenetre.label(VirdoControl::Affichage)->text() + fenetre.textBox(VirdoControl::Nombre)->text();
}

QString objectifLu(const VirdoWindow &fenetre)
{
    return fenetre.label(VirdoControl::Label3)->text() + fenetre.textBox(VirdoControl::BUT)->text();
}

} // namespace virdo
