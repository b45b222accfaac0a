#pragma once

#include <QString>

namespace virdo {

// The tunes of the game, by what they tell: the child won, or the computer did.
enum class Son {
    Victoire,
    Defaite,
};

// The pictures of the victory window, by whom they show as the winner.
enum class Image {
    Victoire,
    Defaite,
};

// The file that holds the tune or the picture, named relative to the working directory as the
// game reads it: the four game files are known here only.
QString fichierDuSon(Son son);
QString fichierDeLImage(Image image);

} // namespace virdo
