#pragma once

// What the bench programs share: a monotonic clock in nanoseconds, the median, and the
// steps of a game played through the real widgets with the tests' driver.

#include "pilote.h"

#include "flow/jeu.h"
#include "windows/toolkit.h"
#include "windows/window.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace banc {

inline long long maintenantNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1'000'000'000LL + t.tv_nsec;
}

inline double mediane(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

[[noreturn]] inline void echec(const char *quoi)
{
    std::fprintf(stderr, "banc : %s\n", quoi);
    std::exit(1);
}

// A click on a control that is on screen, as the player's mouse gives it; the bench
// stops when the control is not there.
template<typename Key>
void cliquer(virdo::Window<Key> &fenetre, Key nom)
{
    const QString plainte = pilote::cliquer(fenetre, nom);
    if (!plainte.isEmpty())
        echec(qPrintable(plainte));
}

// A name of that many characters that mixes Latin, Arabic, Hebrew, CJK and emoji, the
// hardest for the text layout of every message that repeats it.
inline QString nomMelange(int longueur)
{
    const QString motif = QStringLiteral("Zoé مريم שרה 李小龙 😀👨‍👩‍👧 ");
    QString nom;
    while (nom.size() < longueur)
        nom += motif;
    return nom.left(longueur);
}

// The start of a game up to the player's first turn: name, program k, the player begins.
// The name is pasted into ndj, which keeps what it accepts of it.
inline void commencer(virdo::Jeu &jeu, int k, const QString &prenom = QStringLiteral("Camille"))
{
    virdo::VirdoWindow &f = *jeu.principale();
    if (!QTest::qWaitForWindowExposed(&f))
        echec("la fenêtre principale ne s'affiche pas");
    pilote::ecrire(f.control(virdo::VirdoControl::ndj), prenom);
    cliquer(f, virdo::VirdoControl::Identite);
    cliquer(f, virdo::caseProgramme(k));
    cliquer(f, virdo::VirdoControl::Joueur);
    QCoreApplication::processEvents();
}

// The player, who began, steers onto the key totals until one move is left: the next
// click on Envoi wins.
inline void unCoupDeLaVictoire(virdo::Jeu &jeu)
{
    const virdo::Partie &partie = jeu.partie();
    virdo::VirdoWindow &f = *jeu.principale();
    auto proposer = [&f](int n) {
        pilote::ecrire(f.control(virdo::VirdoControl::nbj), QString::number(n));
        QCoreApplication::processEvents();
    };
    while (partie.objectif - partie.total > partie.nbmaxi) {
        proposer((partie.objectif - partie.total) % (partie.nbmaxi + 1));
        cliquer(f, virdo::VirdoControl::Envoi);
        cliquer(f, virdo::VirdoControl::Envoi);
        if (partie.tour != virdo::Tour::Joueur)
            echec("la partie n'est pas revenue au joueur");
    }
    proposer(partie.objectif - partie.total);
}

// FIN, then OUI: the next game in a fresh main window, as the player goes on.
inline void rejouer(virdo::Jeu &jeu)
{
    cliquer(*jeu.principale(), virdo::VirdoControl::FIN);
    QCoreApplication::processEvents();
    cliquer(*jeu.rejouer(), virdo::RejouerControl::OUI);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace banc
