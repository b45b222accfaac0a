#pragma once

#include <cstdint>
#include <random>

namespace virdo {

// Source of the random fraction behind the computer's random move. The game owns one;
// a test hands the computer a subclass that returns a known sequence.
class Generateur
{
public:
    virtual ~Generateur() = default;
    // Uniform in [0, 1).
    virtual double fraction() = 0;
};

// Never seeded from the clock: every launch of the game draws the same sequence.
class GenerateurFixe final : public Generateur
{
public:
    static constexpr std::uint32_t graine = 20061995u;

    double fraction() override;

private:
    std::mt19937 m_moteur{graine};
};

} // namespace virdo
