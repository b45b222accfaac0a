#pragma once

// What the bench programs share: the game with its shipped parts, a monotonic clock in
// nanoseconds, the median, and the stop of the bench on a step of the tests' driver that
// did not go through.

#include "driver.h"

#include "engine/generateur.h"
#include "flow/jeu.h"
#include "media/qtsoundplayer.h"
#include "windows/announcer.h"
#include "windows/messageboxes.h"

#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace bench {

// The game as the player gets it: the real sound, chance, message boxes and announcements.
struct ShippedGame
{
    virdo::QtSoundPlayer son;
    virdo::GenerateurFixe hasard;
    virdo::MessageBoxes messages;
    virdo::Announcer annonces;
    virdo::Jeu jeu{son, hasard, messages, annonces};
};

inline long long nowNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1'000'000'000LL + t.tv_nsec;
}

inline double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

[[noreturn]] inline void fail(const char *quoi)
{
    std::fprintf(stderr, "banc : %s\n", quoi);
    std::exit(1);
}

// A driver's step: the bench stops on its complaint.
inline void require(const QString &plainte)
{
    if (!plainte.isEmpty())
        fail(qPrintable(plainte));
}

// A name of that many characters that mixes Latin, Arabic, Hebrew, CJK and emoji, the
// hardest for the text layout of every message that repeats it.
inline QString mixedName(int longueur)
{
    const QString motif = QStringLiteral("Zoé مريم שרה 李小龙 😀👨‍👩‍👧 ");
    QString nom;
    while (nom.size() < longueur)
        nom += motif;
    return nom.left(longueur);
}

} // namespace bench
