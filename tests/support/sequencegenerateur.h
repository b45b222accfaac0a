#pragma once

#include "engine/generateur.h"

#include <QList>

// Hands out the given fractions in turn, over and over: pins the computer's random moves.
class SequenceGenerateur : public virdo::Generateur
{
public:
    explicit SequenceGenerateur(QList<double> fractions = {0.0})
        : m_fractions(std::move(fractions))
    {
    }
    double fraction() override { return m_fractions.at(m_next++ % m_fractions.size()); }

private:
    QList<double> m_fractions;
    qsizetype m_next = 0;
};
