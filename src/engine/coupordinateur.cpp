#include "engine/coupordinateur.h"

#include "engine/conversions.h"

#include <limits>

namespace virdo {

void ajouterAuTotal(Partie &partie)
{
    // Play never gets near the 16-bit limits, since no move may pass the target; a record
    // filled in by hand still saturates on the side it left by instead of wrapping.
    const Nombre16 borne = partie.nombrejoue < 0 ? std::numeric_limits<Nombre16>::min()
                                                 : std::numeric_limits<Nombre16>::max();
    partie.total = addition16(partie.nombrejoue, partie.total).value_or(borne);
}

void CoupOrdinateur(Partie &partie, Generateur &generateur)
{
    // The bounds are fixed before the search; the key totals are nbmaxi + 1 apart,
    // so the windows below them never overlap and at most one matches.
    const int dernier = partie.objectif;
    const int pas = partie.nbmaxi + 1;
    for (int cle = partie.cle; cle <= dernier; cle += pas) {
        if (cle - pas < partie.total && partie.total < cle) {
            partie.nombrejoue = Nombre16(cle - partie.total);
            ajouterAuTotal(partie);
            return;
        }
    }

    // No key total within reach: the total stands on one, where a player who found the strategy put it.
    const double tirage = generateur.fraction() * double(partie.nbmaxi);
    partie.nombrejoue = arrondi16(partieEntiere(tirage) + 1).value_or(1);
    ajouterAuTotal(partie);
}

} // namespace virdo
