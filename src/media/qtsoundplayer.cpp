#include "media/qtsoundplayer.h"

#include "media/wavecheck.h"

#include <QDir>
#include <QObject>
#include <QSoundEffect>
#include <QUrl>

#include <atomic>

namespace virdo {

namespace {

// QSoundEffect shares decoded samples through a process-wide cache keyed by URL: while an
// effect still holds a sample, a new effect on the same URL gets that copy and a file replaced
// on disk is not heard; and in Qt 6.4 asking again for a URL whose loading failed leaves the
// new effect in Loading for good. A query unique to each play gives every play its own entry;
// the file loader reads the path and ignores the query. Nothing is written to disk.
QUrl urlForThisPlay(const QString &filePath)
{
    static std::atomic<quint64> plays{0};
    QUrl url = QUrl::fromLocalFile(filePath);
    url.setQuery(QStringLiteral("lecture=%1").arg(++plays));
    return url;
}

} // namespace

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::playLoop(const QString &fileName)
{
    // Never two tunes at once: the previous effect goes before the next one starts.
    stop();

    const QString filePath = QDir::current().absoluteFilePath(fileName);
    if (!waveLoadsCompletely(filePath)) {
        // Missing, unreadable or cut short: the game goes on in silence.
        qWarning("virdo: no sound from %ls: not a complete WAV file", qUtf16Printable(filePath));
        return;
    }

    auto effect = std::make_unique<QSoundEffect>();
    QSoundEffect *const raw = effect.get();
    raw->setLoopCount(QSoundEffect::Infinite);
    // The file is decoded on Qt's loading thread, so play() comes before the sample is there;
    // start the loop once it is, whatever play() did meanwhile. A sample format Qt cannot
    // play ends in status Error and stays silent: no dialog, the game goes on.
    QObject::connect(raw, &QSoundEffect::statusChanged, raw, [raw] {
        if (raw->status() == QSoundEffect::Ready && !raw->isPlaying())
            raw->play();
    });
    raw->setSource(urlForThisPlay(filePath));
    raw->play();
    m_effect = std::move(effect);
}

void QtSoundPlayer::stop()
{
    m_effect.reset();
}

const QSoundEffect *QtSoundPlayer::current() const
{
    return m_effect.get();
}

} // namespace virdo
