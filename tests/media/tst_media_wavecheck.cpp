#include "media/wavecheck.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using virdo::waveLoadsCompletely;

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

QByteArray fmtChunk(quint16 channels, quint16 bits, quint16 formatCode = 1)
{
    const quint32 rate = 22050;
    const quint16 frame = quint16(channels * bits / 8);
    return chunk("fmt ", u16(formatCode) + u16(channels) + u32(rate) + u32(rate * frame) + u16(frame)
                             + u16(bits));
}

QByteArray riff(const QByteArray &chunks, const char *kind = "RIFF")
{
    return QByteArray(kind, 4) + u32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

} // namespace

class TestMediaWaveCheck : public QObject
{
    Q_OBJECT

private slots:
    void judgesTheLayout_data();
    void judgesTheLayout();
    void missingFileIsRefused();
    void theGameTunesPass_data();
    void theGameTunesPass();
};

void TestMediaWaveCheck::judgesTheLayout_data()
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
    // Laid out right; whether the sample format plays is Qt's to say.
    QTest::newRow("float samples") << riff(fmtChunk(1, 32, 3) + chunk("data", QByteArray(4400, '\0'))) << true;

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
}

void TestMediaWaveCheck::judgesTheLayout()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, loads);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath("victoire.wav"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
    file.close();

    QCOMPARE(waveLoadsCompletely(file.fileName()), loads);
}

void TestMediaWaveCheck::missingFileIsRefused()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(!waveLoadsCompletely(dir.filePath("victoire.wav")));
    QVERIFY(!waveLoadsCompletely(dir.path()));
}

void TestMediaWaveCheck::theGameTunesPass_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("victoire.wav") << QStringLiteral("victoire.wav");
    QTest::newRow("Son2.wav") << QStringLiteral("Son2.wav");
}

void TestMediaWaveCheck::theGameTunesPass()
{
    // The test runs in the game folder: a check too strict for the real tunes would mute
    // the game.
    QFETCH(QString, name);
    if (!QFile::exists(name))
        QSKIP("the game file is not in the working directory");
    QVERIFY(waveLoadsCompletely(QDir::current().absoluteFilePath(name)));
}

QTEST_MAIN(TestMediaWaveCheck)
#include "tst_media_wavecheck.moc"
