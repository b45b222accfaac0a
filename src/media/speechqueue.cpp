#include "media/speechqueue.h"

namespace virdo {

SpeechQueue::Then SpeechQueue::add(const QString &text, bool whole)
{
    // A text still waiting is out of date once a newer one comes; who won never is.
    m_waiting.removeIf([](const Text &waiting) { return !waiting.whole; });
    m_waiting.append({text, whole});
    if (!m_speaking)
        return Then::Speak;
    return m_currentWhole ? Then::Wait : Then::Cut;
}

std::optional<QString> SpeechQueue::next()
{
    if (m_waiting.isEmpty()) {
        m_speaking = false;
        m_currentWhole = false;
        return std::nullopt;
    }
    const Text text = m_waiting.takeFirst();
    m_speaking = true;
    m_currentWhole = text.whole;
    return text.text;
}

void SpeechQueue::clear()
{
    m_waiting.clear();
    m_speaking = false;
    m_currentWhole = false;
}

} // namespace virdo
