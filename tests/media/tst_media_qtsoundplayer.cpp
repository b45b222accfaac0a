#include "media/qtsoundplayer.h"
#include "media/soundloop.h"
#include "oddfiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QScopeGuard>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <memory>

#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using oddfiles::writeFile;
using virdo::QtSoundPlayer;

namespace {

// A 16-bit mono PCM WAV of silence, like the game's tunes but quiet. The test runs under a
// private PulseAudio; what is heard is checked by the sound-* scripts. Format code 3 with
// 32 bits makes a float WAV: laid out like any other, but not a format the game plays.
QByteArray silentWav(int milliseconds, quint16 formatCode = 1, quint16 bitsPerSample = 16, quint32 rate = 22050)
{
    const quint32 frameBytes = bitsPerSample / 8;
    const quint32 dataBytes = std::max<quint32>(1, rate * quint32(milliseconds) / 1000) * frameBytes;
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

// The private sound server the test runs under, from the other end of its socket; 0
// when there is none.
pid_t soundServerPid()
{
    const QByteArray server = qgetenv("PULSE_SERVER");
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = server.mid(5);
    if (!server.startsWith("unix:") || size_t(path.size()) >= sizeof address.sun_path)
        return 0;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ucred peer{};
    socklen_t size = sizeof peer;
    const bool known = fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
                    && ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0;
    if (fd >= 0)
        ::close(fd);
    return known ? peer.pid : 0;
}

// What the sound thread reported, in order: "looping PATH", "silent", "refused PATH". From
// the player, or from the loop that does its work on the sound thread.
class Events : public QObject
{
public:
    template <typename Source>
    explicit Events(Source &source)
    {
        connect(&source, &Source::looping, this, [this](const QString &path) { log << "looping " + path; });
        connect(&source, &Source::silent, this, [this] { log << QStringLiteral("silent"); });
        connect(&source, &Source::refused, this, [this](const QString &path) { log << "refused " + path; });
    }
    QStringList log;
};

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
    void playQueuedBehindAStopWaitsItsTurn();
    void fileReplacedOnDiskIsReadAgain_data();
    void fileReplacedOnDiskIsReadAgain();
    void releaseGivesUpOnAStalledServer();

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
    // Getting ready plays nothing and reports nothing: the first event is the first tune.
    QVERIFY(writeFile(m_dir->filePath("victoire.wav"), silentWav(300)));
    QtSoundPlayer player;
    Events events(player);
    player.prepare();
    player.prepare();
    player.playLoop(virdo::Son::Victoire);
    QTRY_COMPARE(events.log, QStringList({"looping " + m_dir->filePath("victoire.wav")}));
}

void TestMediaQtSoundPlayer::stopWithNothingPlayingDoesNothing()
{
    QtSoundPlayer player;
    Events events(player);
    player.stop();

    QVERIFY(writeFile(m_dir->filePath("victoire.wav"), silentWav(300)));
    player.playFileLoop(QStringLiteral("victoire.wav"));
    player.stop();
    player.stop();
    QTRY_COMPARE(events.log, QStringList({"looping " + m_dir->filePath("victoire.wav"), "silent"}));
}

void TestMediaQtSoundPlayer::playsTheFileInALoopOnceLoaded()
{
    // Driven on this thread, so that what its sink has taken can be read.
    const QString path = m_dir->filePath("victoire.wav");
    QVERIFY(writeFile(path, silentWav(300)));
    virdo::SoundLoop loop;
    Events events(loop);
    loop.play(path);
    QCOMPARE(events.log, QStringList({"looping " + path}));

    // Still looping well after the file's own length: nothing ended it.
    QTRY_VERIFY(loop.processedMs() > 2 * 300);
    QCOMPARE(events.log.size(), 1);

    loop.stop();
    QCOMPARE(events.log, QStringList({"looping " + path, "silent"}));
}

void TestMediaQtSoundPlayer::resolvesTheNameWhenCalled()
{
    QTemporaryDir other;
    QVERIFY(other.isValid());
    QVERIFY(writeFile(m_dir->filePath("Son2.wav"), silentWav(300)));
    QVERIFY(writeFile(other.filePath("Son2.wav"), silentWav(300)));

    QtSoundPlayer player;
    Events events(player);
    player.playLoop(virdo::Son::Defaite);
    // Changed at once: the name must already be resolved when playLoop returns.
    QVERIFY(QDir::setCurrent(other.path()));
    player.playLoop(virdo::Son::Defaite);
    QTRY_COMPARE(events.log, QStringList({"looping " + m_dir->filePath("Son2.wav"), "silent",
                                          "looping " + other.filePath("Son2.wav")}));
}

void TestMediaQtSoundPlayer::unreadableFileStaysSilent_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("kind");
    const QByteArray good = silentWav(300);
    const QString file = QStringLiteral("file");
    QTest::newRow("missing") << QByteArray() << QStringLiteral("missing");
    QTest::newRow("empty") << QByteArray() << file;
    QTest::newRow("garbage") << oddfiles::noise(3000) << file;
    QTest::newRow("header cut short") << good.left(30) << file;
    QTest::newRow("sound cut short") << good.left(good.size() / 2) << file;
    // The data chunk announces one byte more: half a 16-bit sample.
    QByteArray halfSample = good + QByteArray(1, '\0');
    qToLittleEndian(qFromLittleEndian<quint32>(halfSample.constData() + 40) + 1, halfSample.data() + 40);
    QTest::newRow("half a sample at the end") << halfSample << file;
    // Rates of a few hertz divide by zero inside the sound system.
    for (quint32 rate : {1u, 2u, 10u, 20u, 7999u, 96001u})
        QTest::addRow("%u Hz", rate) << silentWav(300, 1, 16, rate) << file;
    QTest::newRow("float samples") << floatWav(300) << file;
    // Opening these would wait for ever, or read without end.
    QTest::newRow("FIFO") << QByteArray() << QStringLiteral("fifo");
    QTest::newRow("folder") << QByteArray() << QStringLiteral("folder");
    QTest::newRow("device") << QByteArray() << QStringLiteral("device");
}

void TestMediaQtSoundPlayer::unreadableFileStaysSilent()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, kind);
    const QString path = m_dir->filePath("victoire.wav");
    if (kind != QLatin1String("missing"))
        QVERIFY(oddfiles::place(kind, path, bytes));

    QtSoundPlayer player;
    Events events(player);
    QElapsedTimer clock;
    clock.start();
    player.playFileLoop(QStringLiteral("victoire.wav"));
    QVERIFY2(clock.elapsed() < 1000, "playLoop waited for the file");
    QTRY_COMPARE(events.log, QStringList({"refused " + path}));
    player.stop();

    // The game goes on: the next tune plays and stop still works.
    QVERIFY(writeFile(m_dir->filePath("Son2.wav"), silentWav(300)));
    player.playFileLoop(QStringLiteral("Son2.wav"));
    player.stop();
    QTRY_COMPARE(events.log, QStringList({"refused " + path, "looping " + m_dir->filePath("Son2.wav"), "silent"}));
}

void TestMediaQtSoundPlayer::formatQtCannotPlayStaysSilent()
{
    QVERIFY(writeFile(m_dir->filePath("victoire.wav"), floatWav(300)));
    QtSoundPlayer player;
    Events events(player);
    player.playFileLoop(QStringLiteral("victoire.wav"));
    player.stop();
    QTRY_COMPARE(events.log, QStringList({"refused " + m_dir->filePath("victoire.wav")}));
}

void TestMediaQtSoundPlayer::nextTuneReplacesTheOneThatPlays()
{
    QVERIFY(writeFile(m_dir->filePath("victoire.wav"), silentWav(300)));
    QVERIFY(writeFile(m_dir->filePath("Son2.wav"), silentWav(400)));
    QtSoundPlayer player;
    Events events(player);

    player.playFileLoop(QStringLiteral("victoire.wav"));
    QTRY_COMPARE(events.log.size(), 1);
    // The first one is silenced before the second starts: two tunes never play together.
    player.playFileLoop(QStringLiteral("Son2.wav"));
    player.stop();
    QTRY_COMPARE(events.log, QStringList({"looping " + m_dir->filePath("victoire.wav"), "silent",
                                          "looping " + m_dir->filePath("Son2.wav"), "silent"}));
}

void TestMediaQtSoundPlayer::playQueuedBehindAStopWaitsItsTurn()
{
    // Qt's PulseAudio sink runs the pending events while it is destroyed. A play queued while
    // the stop works (one game ends, the next is won at once) must still come after it, and
    // the tune it starts must keep its samples while it loops. The loop is driven here on
    // this thread, so that the play is surely queued when the stop begins.
    const QString path = m_dir->filePath("victoire.wav");
    QVERIFY(writeFile(path, silentWav(300)));
    virdo::SoundLoop loop;
    Events events(loop);

    loop.play(path);
    QVERIFY(QMetaObject::invokeMethod(&loop, [&loop, path] { loop.play(path); }, Qt::QueuedConnection));
    loop.stop();
    QCOMPARE(events.log, QStringList({"looping " + path, "silent"}));

    QTRY_COMPARE(events.log, QStringList({"looping " + path, "silent", "looping " + path}));
    // The second tune plays from samples of its own.
    QTRY_VERIFY(loop.processedMs() > 300);
    loop.stop();
    QCOMPARE(events.log.size(), 4);
    QCOMPARE(events.log.last(), QStringLiteral("silent"));
    // The stopped sinks go while their loop is still there, as on the sound thread.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestMediaQtSoundPlayer::fileReplacedOnDiskIsReadAgain_data()
{
    QTest::addColumn<bool>("stopBetween");
    QTest::newRow("stopped between the games") << true;
    QTest::newRow("still playing") << false;
}

void TestMediaQtSoundPlayer::fileReplacedOnDiskIsReadAgain()
{
    // Each play reads the file anew: a stale 16-bit sample would loop again, the float one
    // written over it cannot.
    QFETCH(bool, stopBetween);
    const QString path = m_dir->filePath("victoire.wav");
    QtSoundPlayer player;
    Events events(player);

    QVERIFY(writeFile(path, silentWav(300)));
    player.playFileLoop(QStringLiteral("victoire.wav"));
    QTRY_VERIFY(events.log.contains("looping " + path));
    if (stopBetween)
        player.stop();

    QVERIFY(writeFile(path, floatWav(300)));
    player.playFileLoop(QStringLiteral("victoire.wav"));
    QTRY_VERIFY(events.log.contains("refused " + path));
    if (stopBetween)
        player.stop();

    QVERIFY(writeFile(path, silentWav(300)));
    player.playFileLoop(QStringLiteral("victoire.wav"));
    QTRY_COMPARE(events.log.count("looping " + path), 2);
}

void TestMediaQtSoundPlayer::releaseGivesUpOnAStalledServer()
{
    // A server that stalls holds the sound thread: release says so in time, so that the
    // game can leave without it, and lets go once the server answers again.
    const pid_t server = soundServerPid();
    if (server <= 0)
        QSKIP("no private sound server to stall");
    const QString path = m_dir->filePath("victoire.wav");
    QVERIFY(writeFile(path, silentWav(300)));
    QtSoundPlayer player;
    Events events(player);
    player.playLoop(virdo::Son::Victoire);
    QTRY_COMPARE(events.log, QStringList({"looping " + path}));

    QCOMPARE(::kill(server, SIGSTOP), 0);
    auto wake = qScopeGuard([server] { ::kill(server, SIGCONT); });
    // The next tune asks the server for a stream of its own, and waits for its answer.
    player.playLoop(virdo::Son::Victoire);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!player.release());
    QVERIFY2(clock.elapsed() < 3000, "release waited for the stalled server");
    wake.dismiss();
    QCOMPARE(::kill(server, SIGCONT), 0);
    QTRY_VERIFY(player.release());
}

QTEST_MAIN(TestMediaQtSoundPlayer)
#include "tst_media_qtsoundplayer.moc"
