#include "engine/generateur.h"

namespace virdo {

double GenerateurFixe::fraction()
{
    // 32 random bits over 2^32: never reaches 1.0, unlike generate_canonical on some libraries.
    return double(m_moteur()) / 4294967296.0;
}

} // namespace virdo
