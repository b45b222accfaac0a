#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace virdo {

// The order in which the voice says its texts, apart from any synthesizer: the newest text
// cuts off an older one still being said or waiting, except a text said whole (who won),
// which nothing cuts off and behind which the next texts wait their turn.
class SpeechQueue
{
public:
    enum class Then {
        Speak, // nothing is being said: say next() now
        Cut,   // stop what is being said, then say next()
        Wait,  // a whole text is being said: next() comes when it ends
    };

    Then add(const QString &text, bool whole);
    // The text to say now that the last one has ended or been cut, if any is waiting.
    std::optional<QString> next();
    bool speaking() const { return m_speaking; }
    // Forgets everything: the voice has gone quiet for good.
    void clear();

private:
    struct Text
    {
        QString text;
        bool whole;
    };
    QList<Text> m_waiting;
    bool m_speaking = false;
    bool m_currentWhole = false;
};

} // namespace virdo
