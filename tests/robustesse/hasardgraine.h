#pragma once

#include "engine/generateur.h"

#include <cmath>
#include <cstdint>
#include <random>

// A seeded source of random fractions. The game and the reference model each get one
// with the same seed: the model then knows every fraction the computer will draw.
// Now and then it hands out the edges of [0, 1), where an off-by-one would show.
class HasardGraine final : public virdo::Generateur
{
public:
    explicit HasardGraine(std::uint64_t graine)
        : m_moteur(graine)
    {
    }

    double fraction() override
    {
        ++tirages;
        switch (m_moteur() % 16) {
        case 0:
            return 0.0;
        case 1:
            return std::nextafter(1.0, 0.0);
        default:
            // 53 random bits: uniform in [0, 1) and exactly representable.
            return double(m_moteur() >> 11) * 0x1.0p-53;
        }
    }

    // How many fractions have been drawn: the game must draw exactly when the model does.
    long long tirages = 0;

private:
    std::mt19937_64 m_moteur;
};
