#include "engine/entree.h"

namespace virdo {

Verdict jugerEntree(const QString &texte, Nombre16 nbmaxi)
{
    if (texte.isEmpty())
        return {Entree::Vide, 0};
    const auto nombre = arrondi16(valeurNumerique(texte));
    // A number outside the 16-bit range or below 1 lies outside every program's bounds.
    if (!nombre || *nombre < 1 || *nombre > nbmaxi)
        return {Entree::Triche, nombre.value_or(0)};
    return {Entree::Acceptee, *nombre};
}

} // namespace virdo
