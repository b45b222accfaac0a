#include "engine/entree.h"

#include <algorithm>

namespace virdo {

Verdict jugerEntree(const QString &texte, const Partie &partie)
{
    if (texte.isEmpty())
        return {Entree::Vide, 0};
    const auto nombre = arrondi16(valeurNumerique(texte));
    // A move past the target would leave a game nobody can win any more.
    const int plafond = std::min<int>(partie.nbmaxi, partie.objectif - partie.total);
    // A number outside the 16-bit range or below 1 lies outside every program's bounds.
    if (!nombre || *nombre < 1 || *nombre > plafond)
        return {Entree::Triche, nombre.value_or(0)};
    return {Entree::Acceptee, *nombre};
}

} // namespace virdo
