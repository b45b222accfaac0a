#include "media/son.h"

namespace virdo {

QString fichierDuSon(Son son)
{
    switch (son) {
    case Son::Victoire:
        return QStringLiteral("victoire.wav");
    case Son::Defaite:
        return QStringLiteral("Son2.wav");
    }
    return {};
}

} // namespace virdo
