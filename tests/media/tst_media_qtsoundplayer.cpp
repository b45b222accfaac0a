#include "media/qtsoundplayer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <memory>

using virdo::QtSoundPlayer;

namespace {

// A 16-bit mono PCM WAV of silence: decodable like the game's tunes, and quiet on a
// developer's machine where a sound server does run. The real sound is checked under a
// private PulseAudio by the sound-* scripts. Format code 3 with 32 bits makes a float WAV:
// laid out like any other, but Qt 6.4 does not play float samples.
QByteArray silentWav(int milliseconds, quint16 formatCode = 1, quint16 bitsPerSample = 16)
{
    constexpr quint32 rate = 22050;
    const quint32 frameBytes = bitsPerSample / 8;
    const quint32 dataBytes = rate * quint32(milliseconds) / 1000 * frameBytes;
    QByteArray wav;
    auto u32 = [&wav](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        wav.append(b, 4);
    };
    auto u16 = [&wav](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        wav.append(b, 2);
    };
    wav.append("RIFF");
    u32(36 + dataBytes);
    wav.append("WAVEfmt ");
    u32(16);
    u16(formatCode);
    u16(1); // mono
    u32(rate);
    u32(rate * frameBytes);
    u16(quint16(frameBytes));
    u16(bitsPerSample);
    wav.append("data");
    u32(dataBytes);
    wav.append(QByteArray(qsizetype(dataBytes), '\0'));
    return wav;
}

QByteArray floatWav(int milliseconds)
{
    return silentWav(milliseconds, 3, 32);
}

QByteArray garbage()
{
    QByteArray bytes(3000, '\0');
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char((i * 7919 + 13) % 251);
    return bytes;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QString pathOf(const QSoundEffect *effect)
{
    return effect ? effect->source().toLocalFile() : QString();
}

} // namespace

class TestMediaQtSoundPlayer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void silentAtFirst();
    void stopWithNothingPlayingDoesNothing();
    void playsTheFileInALoopOnceLoaded();
    void resolvesTheNameWhenCalled();
    void unreadableFileStaysSilent_data();
    void unreadableFileStaysSilent();
    void formatQtCannotPlayStaysSilent();
    void nextTuneReplacesTheOneThatPlays();
    void fileReplacedOnDiskIsReadAgain_data();
    void fileReplacedOnDiskIsReadAgain();

private:
    QString m_startDir;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestMediaQtSoundPlayer::init()
{
    // The game reads its files by bare name: each test works in a folder of its own.
    m_startDir = QDir::currentPath();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir::setCurrent(m_dir->path()));
}

void TestMediaQtSoundPlayer::cleanup()
{
    QDir::setCurrent(m_startDir);
    m_dir.reset();
}

void TestMediaQtSoundPlayer::silentAtFirst()
{
    QtSoundPlayer player;
    QCOMPARE(player.current(), nullptr);
}

void TestMediaQtSoundPlayer::stopWithNothingPlayingDoesNothing()
{
    QtSoundPlayer player;
    player.stop();
    QCOMPARE(player.current(), nullptr);

    QVERIFY(writeFile(m_dir->filePath("victoire.wav"), silentWav(300)));
    player.playLoop(QStringLiteral("victoire.wav"));
    player.stop();
    player.stop();
    QCOMPARE(player.current(), nullptr);
}

void TestMediaQtSoundPlayer::playsTheFileInALoopOnceLoaded()
{
    QVERIFY(writeFile(m_dir->filePath("victoire.wav"), silentWav(300)));
    QtSoundPlayer player;
    player.playLoop(QStringLiteral("victoire.wav"));

    const QSoundEffect *effect = player.current();
    QVERIFY(effect);
    QCOMPARE(pathOf(effect), m_dir->filePath("victoire.wav"));
    QCOMPARE(effect->loopCount(), int(QSoundEffect::Infinite));
    QTRY_COMPARE(effect->status(), QSoundEffect::Ready);
    QVERIFY(effect->isPlaying());
    QCOMPARE(effect->loopsRemaining(), int(QSoundEffect::Infinite));

    // Still looping well after the file's own length.
    QTest::qWait(700);
    QCOMPARE(player.current(), effect);
    QVERIFY(effect->isPlaying());

    player.stop();
    QCOMPARE(player.current(), nullptr);
}

void TestMediaQtSoundPlayer::resolvesTheNameWhenCalled()
{
    QTemporaryDir other;
    QVERIFY(other.isValid());
    QVERIFY(writeFile(m_dir->filePath("Son2.wav"), silentWav(300)));
    QVERIFY(writeFile(other.filePath("Son2.wav"), silentWav(300)));

    QtSoundPlayer player;
    player.playLoop(QStringLiteral("Son2.wav"));
    QCOMPARE(pathOf(player.current()), m_dir->filePath("Son2.wav"));

    QVERIFY(QDir::setCurrent(other.path()));
    player.playLoop(QStringLiteral("Son2.wav"));
    QCOMPARE(pathOf(player.current()), other.filePath("Son2.wav"));
    QTRY_COMPARE(player.current()->status(), QSoundEffect::Ready);
}

void TestMediaQtSoundPlayer::unreadableFileStaysSilent_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("exists");
    const QByteArray good = silentWav(300);
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("garbage") << garbage() << true;
    QTest::newRow("header cut short") << good.left(30) << true;
    QTest::newRow("sound cut short") << good.left(good.size() / 2) << true;
    // The data chunk announces one byte more: half a 16-bit sample.
    QByteArray halfSample = good + QByteArray(1, '\0');
    qToLittleEndian(qFromLittleEndian<quint32>(halfSample.constData() + 40) + 1, halfSample.data() + 40);
    QTest::newRow("half a sample at the end") << halfSample << true;
}

void TestMediaQtSoundPlayer::unreadableFileStaysSilent()
{
    // Qt 6.4 would wait forever for the missing bytes of most of these, and then block the
    // next stop(): such files must never reach it.
    QFETCH(QByteArray, bytes);
    QFETCH(bool, exists);
    if (exists)
        QVERIFY(writeFile(m_dir->filePath("victoire.wav"), bytes));

    QtSoundPlayer player;
    QElapsedTimer clock;
    clock.start();
    player.playLoop(QStringLiteral("victoire.wav"));
    QVERIFY2(clock.elapsed() < 1000, "playLoop waited for the file");
    QCOMPARE(player.current(), nullptr);
    player.stop();
    QCOMPARE(player.current(), nullptr);

    // The game goes on: the next tune plays and stop still works.
    QVERIFY(writeFile(m_dir->filePath("Son2.wav"), silentWav(300)));
    player.playLoop(QStringLiteral("Son2.wav"));
    QVERIFY(player.current());
    QTRY_COMPARE(player.current()->status(), QSoundEffect::Ready);
    QVERIFY(player.current()->isPlaying());
    player.stop();
    QCOMPARE(player.current(), nullptr);
}

void TestMediaQtSoundPlayer::formatQtCannotPlayStaysSilent()
{
    QVERIFY(writeFile(m_dir->filePath("victoire.wav"), floatWav(300)));
    QtSoundPlayer player;
    player.playLoop(QStringLiteral("victoire.wav"));
    QVERIFY(player.current());
    QTRY_COMPARE(player.current()->status(), QSoundEffect::Error);
    QVERIFY(!player.current()->isPlaying());
    player.stop();
    QCOMPARE(player.current(), nullptr);
}

void TestMediaQtSoundPlayer::nextTuneReplacesTheOneThatPlays()
{
    QVERIFY(writeFile(m_dir->filePath("victoire.wav"), silentWav(300)));
    QVERIFY(writeFile(m_dir->filePath("Son2.wav"), silentWav(400)));
    QtSoundPlayer player;

    player.playLoop(QStringLiteral("victoire.wav"));
    QPointer<const QSoundEffect> first = player.current();
    QVERIFY(first);
    QTRY_VERIFY(first->isPlaying());

    player.playLoop(QStringLiteral("Son2.wav"));
    // Gone, not merely stopped: two effects never coexist.
    QVERIFY(first.isNull());
    QPointer<const QSoundEffect> second = player.current();
    QVERIFY(second);
    QCOMPARE(pathOf(second), m_dir->filePath("Son2.wav"));
    QTRY_VERIFY(second->isPlaying());

    player.stop();
    QVERIFY(second.isNull());
    QCOMPARE(player.current(), nullptr);
}

void TestMediaQtSoundPlayer::fileReplacedOnDiskIsReadAgain_data()
{
    QTest::addColumn<bool>("stopBetween");
    QTest::newRow("stopped between the games") << true;
    QTest::newRow("still playing") << false;
}

void TestMediaQtSoundPlayer::fileReplacedOnDiskIsReadAgain()
{
    // Qt keeps decoded samples by URL; the status of the next play tells whether the file on
    // disk was read again: a stale 16-bit sample would come back Ready, the float one cannot.
    QFETCH(bool, stopBetween);
    const QString path = m_dir->filePath("victoire.wav");
    QtSoundPlayer player;

    QVERIFY(writeFile(path, silentWav(300)));
    player.playLoop(QStringLiteral("victoire.wav"));
    QTRY_COMPARE(player.current()->status(), QSoundEffect::Ready);
    if (stopBetween)
        player.stop();

    QVERIFY(writeFile(path, floatWav(300)));
    player.playLoop(QStringLiteral("victoire.wav"));
    QTRY_COMPARE(player.current()->status(), QSoundEffect::Error);
    if (stopBetween)
        player.stop();

    // And back: in Qt 6.4 a URL that failed once stays Loading when asked again.
    QVERIFY(writeFile(path, silentWav(300)));
    player.playLoop(QStringLiteral("victoire.wav"));
    QTRY_COMPARE(player.current()->status(), QSoundEffect::Ready);
    QVERIFY(player.current()->isPlaying());
}

QTEST_MAIN(TestMediaQtSoundPlayer)
#include "tst_media_qtsoundplayer.moc"
