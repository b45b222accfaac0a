#pragma once

#include <QString>
#include <QStringView>

// A text as a report can print it: printable ASCII as it is, every other character as \uXXXX,
// so that a blank, a control character or a letter of another script is seen for what it is.
inline QString lisible(QStringView texte)
{
    QString sortie;
    for (const QChar c : texte) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
            sortie += c;
        else
            sortie += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return sortie;
}
