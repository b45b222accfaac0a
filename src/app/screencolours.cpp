#include "app/screencolours.h"

#include "app/displayserver.h"

#include <QGuiApplication>
#include <QScreen>

#include <cstdio>

namespace virdo {

namespace {

// 15 and 16 bits are painted in Qt's RGB555 and RGB565; every depth above, in 32 bits.
constexpr int fewestBits = 15;

} // namespace

bool screenHasEnoughColours()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen || screen->depth() >= fewestBits)
        return true;
    std::fprintf(stderr,
                 "virdo : l'affichage graphique n'est pas pris en charge (%s, %d bits de couleur ; il en faut au moins %d) ; "
                 "le jeu se ferme.\n",
                 DisplayServer(QGuiApplication::platformName()).name().constData(), screen->depth(), fewestBits);
    return false;
}

} // namespace virdo
