#include "media/speechworker.h"

#include "media/screenreader.h"

#include <QLocale>
#include <QThread>

#include <optional>

namespace virdo {

namespace {

// Slower than speech-dispatcher's usual pace (0), for a child of six who listens to every word.
constexpr double childRate = -0.3;

} // namespace

SpeechWorker::~SpeechWorker() = default;

void SpeechWorker::start()
{
    if (screenReaderRuns()) {
        m_off = true;
        qWarning("un lecteur d'écran parle déjà : la voix du jeu se tait, pour ne pas parler en même temps");
        emit off();
        return;
    }
    if (!QTextToSpeech::availableEngines().contains(QLatin1String("speechd"))) {
        giveUp(QStringLiteral("le module speech-dispatcher de Qt manque (paquet qt6-speech-speechd-plugin)"));
        return;
    }
    m_speech = new QTextToSpeech(QStringLiteral("speechd"), this);
    // A dispatcher reached but with no voice it can set is one without its synthesizer.
    if (m_speech->state() == QTextToSpeech::Error) {
        giveUp(m_speech->errorReason() == QTextToSpeech::ErrorReason::Initialization
                       ? QStringLiteral("speech-dispatcher ne répond pas (paquet speech-dispatcher)")
                       : QStringLiteral("aucune voix française (paquet speech-dispatcher-espeak-ng)"));
        return;
    }
    // French of France if the synthesizer has it, else any French.
    std::optional<QLocale> french;
    const QList<QLocale> locales = m_speech->availableLocales();
    for (const QLocale &locale : locales) {
        if (locale.language() == QLocale::French && (!french || locale.territory() == QLocale::France))
            french = locale;
    }
    if (!french) {
        giveUp(QStringLiteral("aucune voix française (paquet speech-dispatcher-espeak-ng)"));
        return;
    }
    m_speech->setLocale(*french);
    m_speech->setRate(childRate);
    connect(m_speech, &QTextToSpeech::stateChanged, this, &SpeechWorker::stateChanged);
}

void SpeechWorker::say(const QString &text, bool whole)
{
    emit taken(++m_taken);
    if (m_off || !m_speech) {
        emit quiet(m_taken);
        return;
    }
    // Nothing to say: the synthesizer would never tell that it has said it.
    if (text.isEmpty()) {
        if (!m_queue.speaking())
            emit quiet(m_taken);
        return;
    }
    switch (m_queue.add(text, whole)) {
    case SpeechQueue::Then::Speak:
        speakNext();
        break;
    case SpeechQueue::Then::Cut:
        m_speech->stop();
        speakNext();
        break;
    case SpeechQueue::Then::Wait:
        break;
    }
}

void SpeechWorker::speakNext()
{
    const std::optional<QString> text = m_queue.next();
    if (!text) {
        emit quiet(m_taken);
        return;
    }
    m_begun = false;
    m_speech->say(*text);
}

void SpeechWorker::stateChanged(QTextToSpeech::State state)
{
    switch (state) {
    case QTextToSpeech::Speaking:
        m_begun = true;
        break;
    case QTextToSpeech::Ready:
        if (m_begun && m_queue.speaking())
            speakNext();
        break;
    case QTextToSpeech::Error:
        giveUp(QStringLiteral("speech-dispatcher s'est arrêté"));
        break;
    case QTextToSpeech::Paused:
        break;
    }
}

void SpeechWorker::giveUp(const QString &why)
{
    if (m_off)
        return;
    m_off = true;
    m_queue.clear();
    qWarning("pas de voix : %s ; le jeu continue sans elle", qUtf8Printable(why));
    emit off();
    emit quiet(m_taken);
}

void SpeechWorker::shutDown()
{
    if (m_speech && !m_off)
        m_speech->stop();
    thread()->quit();
}

} // namespace virdo
