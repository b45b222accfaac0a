#include "media/gamefile.h"
#include "media/wavefile.h"
#include "oddfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <unistd.h>

using virdo::parseWave;
using virdo::readGameFile;

namespace {

QByteArray u32(quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    return QByteArray(b, 4);
}

QByteArray u16(quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    return QByteArray(b, 2);
}

QByteArray chunk(const char *id, const QByteArray &body)
{
    return QByteArray(id, 4) + u32(quint32(body.size())) + body;
}

QByteArray fmtChunk(quint16 channels, quint16 bits, quint16 formatCode = 1, quint32 rate = 22050)
{
    const quint16 frame = quint16(channels * bits / 8);
    return chunk("fmt ", u16(formatCode) + u16(channels) + u32(rate) + u32(rate * frame) + u16(frame)
                             + u16(bits));
}

QByteArray riff(const QByteArray &chunks, const char *kind = "RIFF")
{
    return QByteArray(kind, 4) + u32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

} // namespace

class TestMediaWaveFile : public QObject
{
    Q_OBJECT

private slots:
    void judgesTheLayout_data();
    void judgesTheLayout();
    void readsOnlyRegularFiles_data();
    void readsOnlyRegularFiles();
    void theGameTunesPass_data();
    void theGameTunesPass();
};

void TestMediaWaveFile::judgesTheLayout_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("loads");

    const QByteArray mono16 = fmtChunk(1, 16);
    const QByteArray samples(4410, '\0');
    const QByteArray good = riff(mono16 + chunk("data", samples));

    QTest::newRow("16-bit mono") << good << true;
    QTest::newRow("8-bit stereo") << riff(fmtChunk(2, 8) + chunk("data", QByteArray(4410, '\x80'))) << true;
    QTest::newRow("list before the data") << riff(mono16 + chunk("LIST", "INFOabcd") + chunk("data", samples)) << true;
    QTest::newRow("list after the data") << riff(mono16 + chunk("data", samples) + chunk("LIST", "INFOabcd")) << true;
    QTest::newRow("longer fmt chunk") << riff(chunk("fmt ", fmtChunk(1, 16).mid(8) + u16(0) + u16(0)) + chunk("data", samples)) << true;
    QTest::newRow("8,000 Hz") << riff(fmtChunk(1, 16, 1, 8000) + chunk("data", samples)) << true;
    QTest::newRow("96,000 Hz stereo") << riff(fmtChunk(2, 16, 1, 96000) + chunk("data", QByteArray(4400, '\0'))) << true;

    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("text") << QByteArray("Ceci n'est pas un son, mais un texte assez long.") << false;
    QTest::newRow("header cut short") << good.left(30) << false;
    QTest::newRow("no data chunk") << riff(mono16) << false;
    QTest::newRow("data cut short") << good.left(good.size() - 100) << false;
    QTest::newRow("empty data") << riff(mono16 + chunk("data", {})) << false;
    QTest::newRow("half a sample") << riff(mono16 + chunk("data", QByteArray(4411, '\0'))) << false;
    QTest::newRow("half a stereo frame") << riff(fmtChunk(2, 16) + chunk("data", QByteArray(4410, '\0'))) << false;
    QTest::newRow("data before fmt") << riff(chunk("data", samples) + mono16) << false;
    QTest::newRow("big-endian RIFX") << riff(mono16 + chunk("data", samples), "RIFX") << false;
    QTest::newRow("odd chunk before the data") << riff(mono16 + chunk("JUNK", "abc") + QByteArray(1, '\0') + chunk("data", samples)) << false;
    QTest::newRow("chunk running past the end") << riff(mono16 + QByteArray("JUNK") + u32(100000) + QByteArray(10, '\0')) << false;
    QTest::newRow("no channel") << riff(fmtChunk(0, 16) + chunk("data", samples)) << false;
    QTest::newRow("12-bit samples") << riff(fmtChunk(1, 12) + chunk("data", samples)) << false;
    // Laid out right, but not what the game plays safely.
    QTest::newRow("float samples") << riff(fmtChunk(1, 32, 3) + chunk("data", QByteArray(4400, '\0'))) << false;
    QTest::newRow("extensible header") << riff(fmtChunk(1, 16, 0xFFFE) + chunk("data", samples)) << false;
    QTest::newRow("24-bit samples") << riff(fmtChunk(1, 24) + chunk("data", QByteArray(4410 * 3, '\0'))) << false;
    QTest::newRow("three channels") << riff(fmtChunk(3, 16) + chunk("data", QByteArray(4410 * 6, '\0'))) << false;
    for (quint32 rate : {0u, 1u, 2u, 10u, 20u, 7999u, 96001u, 0xFFFFFFFFu})
        QTest::addRow("%u Hz", rate) << riff(fmtChunk(1, 16, 1, rate) + chunk("data", samples)) << false;
}

void TestMediaWaveFile::judgesTheLayout()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, loads);
    const std::optional<virdo::Wave> wave = parseWave(bytes);
    QCOMPARE(wave.has_value(), loads);
    if (wave) {
        // What is played is the data chunk, whole.
        QVERIFY(!wave->samples.isEmpty());
        QVERIFY(bytes.contains(wave->samples));
        QCOMPARE(wave->samples.size() % (wave->channels * wave->bitsPerSample / 8), 0);
    }
}

void TestMediaWaveFile::readsOnlyRegularFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("missing") << "missing" << QByteArray("fichier introuvable : victoire.wav");
    QTest::newRow("folder") << "folder" << QByteArray("fichier illisible : victoire.wav");
    // Opening a FIFO for reading would wait for a writer that never comes.
    QTest::newRow("FIFO") << "fifo" << QByteArray("fichier illisible : victoire.wav");
    QTest::newRow("endless device") << "device" << QByteArray("fichier illisible : victoire.wav");
    QTest::newRow("too large") << "large" << QByteArray("fichier illisible : victoire.wav");
    QTest::newRow("no read permission") << "locked" << QByteArray("fichier illisible : victoire.wav");
    QTest::newRow("regular file") << "file" << QByteArray();
}

void TestMediaWaveFile::readsOnlyRegularFiles()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, message);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("victoire.wav");
    const QByteArray content("RIFF....WAVE");
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir("victoire.wav"));
    } else if (kind == QLatin1String("fifo") || kind == QLatin1String("device")) {
        QVERIFY(oddfiles::place(kind, path));
    } else if (kind != QLatin1String("missing")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
        if (kind == QLatin1String("large"))
            QVERIFY(file.resize(virdo::maxGameFileBytes + 1));
        file.close();
        if (kind == QLatin1String("locked")) {
            QVERIFY(file.setPermissions(QFileDevice::WriteOwner));
            if (::geteuid() == 0)
                QSKIP("root reads any file");
        }
    }

    if (!message.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, message.constData());
    const std::optional<QByteArray> bytes = readGameFile(path);
    QCOMPARE(bytes.has_value(), message.isEmpty());
    if (bytes)
        QCOMPARE(*bytes, content);
}

void TestMediaWaveFile::theGameTunesPass_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("victoire.wav") << QStringLiteral("victoire.wav");
    QTest::newRow("Son2.wav") << QStringLiteral("Son2.wav");
}

void TestMediaWaveFile::theGameTunesPass()
{
    // The test runs in the game folder: a check too strict for the real tunes would mute
    // the game.
    QFETCH(QString, name);
    if (!QFile::exists(name))
        QSKIP("the game file is not in the working directory");
    const std::optional<QByteArray> bytes = readGameFile(QDir::current().absoluteFilePath(name));
    QVERIFY(bytes);
    QVERIFY(parseWave(*bytes));
}

QTEST_MAIN(TestMediaWaveFile)
#include "tst_media_wavefile.moc"
