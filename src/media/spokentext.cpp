#include "media/spokentext.h"

#include <QRegularExpression>

namespace virdo {

namespace {

QString spokenSentence(QString text)
{
    static const QRegularExpression breaks(QStringLiteral("\\s+"));
    static const QRegularExpression arrowBeforeNumber(QStringLiteral(" ?>+ ?(?=[-+]?\\d)"));
    static const QRegularExpression arrows(QStringLiteral(" ?>+"));
    static const QRegularExpression dots(QStringLiteral(" ?\\.{2,}"));
    static const QRegularExpression repeated(QStringLiteral("([!?])\\1+"));
    static const QRegularExpression blankBeforeComma(QStringLiteral(" +(?=[,.])"));
    static const QRegularExpression sentenceEnd(QStringLiteral("[.!?:;,]$"));

    text.replace(breaks, QStringLiteral(" "));
    text.replace(arrowBeforeNumber, QStringLiteral(" : "));
    text.replace(arrows, QString());
    text.replace(dots, QStringLiteral("."));
    text.replace(repeated, QStringLiteral("\\1"));
    text.replace(blankBeforeComma, QString());
    text.replace(breaks, QStringLiteral(" "));
    text = text.trimmed();
    // Each text is a sentence of its own: the voice pauses after it.
    if (!text.isEmpty() && !sentenceEnd.match(text).hasMatch())
        text += u'.';
    return text;
}

} // namespace

QString spokenText(const QStringList &texts)
{
    QStringList sentences;
    for (const QString &text : texts) {
        if (const QString sentence = spokenSentence(text); !sentence.isEmpty())
            sentences << sentence;
    }
    return sentences.join(u' ');
}

} // namespace virdo
