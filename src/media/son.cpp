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

QString fichierDeLImage(Image image)
{
    switch (image) {
    case Image::Victoire:
        return QStringLiteral("Enfants.bmp");
    case Image::Defaite:
        return QStringLiteral("chiffres.bmp");
    }
    return {};
}

} // namespace virdo
