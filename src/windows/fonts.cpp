#include "windows/fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace virdo {

void installFontSubstitutions()
{
    struct Substitution
    {
        const char *named;
        QStringList nearest;
    };
    // Same size, weight and slant; the shape as close as Debian's free fonts come.
    const Substitution substitutions[] = {
        {"Times New Roman", {"Liberation Serif", "DejaVu Serif"}},
        {"Arial Rounded MT Bold", {"Quicksand", "Comfortaa", "Liberation Sans", "DejaVu Sans"}},
        {"Script MT Bold", {"Dancing Script", "Liberation Serif"}},
        {"MS Sans Serif", {"Liberation Sans", "DejaVu Sans"}},
    };
    const QStringList families = QFontDatabase::families();
    for (const auto &[named, nearest] : substitutions) {
        const QString face = QString::fromLatin1(named);
        if (!families.contains(face, Qt::CaseInsensitive))
            QFont::insertSubstitutions(face, nearest);
    }
}

} // namespace virdo
