#pragma once

#include <QString>

namespace virdo {

// The tunes of the game, by what they tell: the child won, or the computer did.
enum class Son {
    Victoire,
    Defaite,
};

// The file that holds the tune, named relative to the working directory as the game reads it.
QString fichierDuSon(Son son);

} // namespace virdo
