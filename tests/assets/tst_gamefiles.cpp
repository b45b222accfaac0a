// Checks the files made by scripts/make-assets: the game reads the pictures
// and sounds by bare name from its working folder, the window icons come from
// the source tree. Sizes and formats are checked on disk, not only through
// Qt, because older readers of these files are stricter than Qt is.

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QList>
#include <QSize>
#include <QString>
#include <QtEndian>
#include <QtTest>

namespace {

struct IconImage
{
    int size;
    int bitsPerPixel;
};

quint16 u16(const QByteArray &data, qsizetype at)
{
    return qFromLittleEndian<quint16>(data.constData() + at);
}

quint32 u32(const QByteArray &data, qsizetype at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

qint32 s32(const QByteArray &data, qsizetype at)
{
    return qFromLittleEndian<qint32>(data.constData() + at);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

} // namespace

Q_DECLARE_METATYPE(QList<IconImage>)

class TestGameFiles : public QObject
{
    Q_OBJECT

private slots:
    void bitmap_data();
    void bitmap();
    void sound_data();
    void sound();
    void icon_data();
    void icon();
    void desktopIcon_data();
    void desktopIcon();
};

void TestGameFiles::bitmap_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("children win") << QStringLiteral("Enfants.bmp");
    QTest::newRow("computer wins") << QStringLiteral("chiffres.bmp");
}

void TestGameFiles::bitmap()
{
    QFETCH(QString, name);

    const QByteArray data = readAll(name);
    QCOMPARE(data.size(), 252054);
    QCOMPARE(data.left(2), QByteArray("BM"));
    QCOMPARE(u32(data, 2), 252054u);  // file size
    QCOMPARE(u32(data, 10), 54u);     // pixels right after the two headers
    QCOMPARE(u32(data, 14), 40u);     // BITMAPINFOHEADER
    QCOMPARE(s32(data, 18), 300);
    QCOMPARE(s32(data, 22), 280);     // positive: bottom-up rows
    QCOMPARE(u16(data, 26), quint16(1));
    QCOMPARE(u16(data, 28), quint16(24));
    QCOMPARE(u32(data, 30), 0u);      // uncompressed

    const QImage image(name);
    QVERIFY2(!image.isNull(), qPrintable(name));
    QCOMPARE(image.size(), QSize(300, 280));
}

void TestGameFiles::sound_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("fanfare") << QStringLiteral("victoire.wav");
    QTest::newRow("computer jingle") << QStringLiteral("Son2.wav");
}

void TestGameFiles::sound()
{
    QFETCH(QString, name);

    const QByteArray data = readAll(name);
    QVERIFY2(data.size() > 44, qPrintable(name));
    QCOMPARE(data.left(4), QByteArray("RIFF"));
    QCOMPARE(data.mid(8, 4), QByteArray("WAVE"));
    QCOMPARE(qsizetype(u32(data, 4)) + 8, data.size());

    int channels = 0, rate = 0, bits = 0;
    QByteArray samples;
    for (qsizetype at = 12; at + 8 <= data.size();) {
        const QByteArray id = data.mid(at, 4);
        const qsizetype len = u32(data, at + 4);
        QVERIFY(at + 8 + len <= data.size());
        if (id == "fmt ") {
            QVERIFY(len >= 16);
            QCOMPARE(u16(data, at + 8), quint16(1)); // PCM
            channels = u16(data, at + 10);
            rate = int(u32(data, at + 12));
            bits = u16(data, at + 22);
        } else if (id == "data") {
            samples = data.mid(at + 8, len);
        }
        at += 8 + len + (len & 1);
    }
    QCOMPARE(channels, 1);
    QCOMPARE(bits, 16);
    QVERIFY2(rate == 22050 || rate == 44100, qPrintable(QString::number(rate)));

    const qsizetype count = samples.size() / 2;
    const double seconds = double(count) / rate;
    QVERIFY2(seconds > 1.0 && seconds <= 5.0, qPrintable(QString::number(seconds)));

    // The sound repeats without end: both ends must sit at silence, or every
    // repeat starts with a click.
    const int nearZero = 328; // 1 % of full scale
    for (qsizetype i = 0; i < 8; ++i) {
        const qint16 first = qFromLittleEndian<qint16>(samples.constData() + 2 * i);
        const qint16 last = qFromLittleEndian<qint16>(samples.constData() + 2 * (count - 1 - i));
        QVERIFY2(qAbs(first) <= nearZero, qPrintable(QStringLiteral("sample %1: %2").arg(i).arg(first)));
        QVERIFY2(qAbs(last) <= nearZero, qPrintable(QStringLiteral("sample -%1: %2").arg(i + 1).arg(last)));
    }
}

void TestGameFiles::icon_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("fileSize");
    QTest::addColumn<QList<IconImage>>("images");

    QTest::newRow("main window") << QStringLiteral("virdo.ico") << 1078
                                 << QList<IconImage>{{32, 4}, {16, 4}};
    QTest::newRow("replay window") << QStringLiteral("rejouer.ico") << 766
                                   << QList<IconImage>{{32, 4}};
    QTest::newRow("victory window") << QStringLiteral("eureka.ico") << 15558
                                    << QList<IconImage>{{48, 4}, {32, 4}, {16, 4},
                                                        {48, 8}, {32, 8}, {16, 8},
                                                        {32, 32}, {16, 32}};
}

void TestGameFiles::icon()
{
    QFETCH(QString, name);
    QFETCH(int, fileSize);
    QFETCH(QList<IconImage>, images);

    const QString path = QStringLiteral(VIRDO_ASSETS_DIR "/icons/") + name;
    const QByteArray data = readAll(path);
    QCOMPARE(data.size(), fileSize);

    QCOMPARE(u16(data, 0), quint16(0));
    QCOMPARE(u16(data, 2), quint16(1)); // icon, not cursor
    QCOMPARE(int(u16(data, 4)), images.size());

    for (int i = 0; i < images.size(); ++i) {
        const qsizetype entry = 6 + 16 * i;
        const IconImage &want = images.at(i);
        const int size = quint8(data.at(entry)) ? quint8(data.at(entry)) : 256;
        QCOMPARE(size, want.size);
        QCOMPARE(int(quint8(data.at(entry + 1))), want.size);
        QCOMPARE(int(quint8(data.at(entry + 2))), want.bitsPerPixel == 4 ? 16 : 0);
        QCOMPARE(int(u16(data, entry + 6)), want.bitsPerPixel);

        const qsizetype bytes = u32(data, entry + 8);
        const qsizetype offset = u32(data, entry + 12);
        QVERIFY(offset + bytes <= data.size());

        // The image itself: BITMAPINFOHEADER with the height of XOR + AND masks.
        QCOMPARE(u32(data, offset), 40u);
        QCOMPARE(s32(data, offset + 4), want.size);
        QCOMPARE(s32(data, offset + 8), 2 * want.size);
        QCOMPARE(int(u16(data, offset + 14)), want.bitsPerPixel);

        const int paletteBytes = want.bitsPerPixel <= 8 ? 4 << want.bitsPerPixel : 0;
        const int xorRow = ((want.size * want.bitsPerPixel + 31) / 32) * 4;
        const int andRow = ((want.size + 31) / 32) * 4;
        QCOMPARE(bytes, qsizetype(40 + paletteBytes + (xorRow + andRow) * want.size));
    }

    QImageReader reader(path);
    QCOMPARE(reader.imageCount(), images.size());
    for (int i = 0; i < images.size(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(QStringLiteral("%1 #%2: %3").arg(name).arg(i).arg(reader.errorString())));
        QCOMPARE(image.size(), QSize(images.at(i).size, images.at(i).size));
    }
}

void TestGameFiles::desktopIcon_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 32, 48, 64, 128, 256})
        QTest::addRow("%dx%d", size, size) << size;
}

void TestGameFiles::desktopIcon()
{
    QFETCH(int, size);

    const QString path = QStringLiteral(VIRDO_ASSETS_DIR "/icons/hicolor/%1x%1/apps/virdo.png").arg(size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(image.hasAlphaChannel());
    // Rounded corners: the very corner is see-through, the middle is not.
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
}

QTEST_GUILESS_MAIN(TestGameFiles)
#include "tst_gamefiles.moc"
