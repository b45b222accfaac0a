#include "media/picture.h"
#include "oddfiles.h"

#include <QBuffer>
#include <QColor>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <memory>


using virdo::loadPicture;

class TestMediaPicture : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void readsABmpFromTheWorkingDirectory();
    void resolvesTheNameWhenCalled();
    void missingFileGivesNothing();
    void fileThatIsNotAPictureGivesNothing_data();
    void fileThatIsNotAPictureGivesNothing();
    void pictureReplacedOnDiskIsReadAgain();
    void theGamePicturesLoad_data();
    void theGamePicturesLoad();

private:
    static QImage plain(QSize size, QColor colour);

    QString m_startDir;
    std::unique_ptr<QTemporaryDir> m_dir;
};

QImage TestMediaPicture::plain(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

void TestMediaPicture::init()
{
    // The game reads its files by bare name: each test works in a folder of its own.
    m_startDir = QDir::currentPath();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir::setCurrent(m_dir->path()));
}

void TestMediaPicture::cleanup()
{
    QDir::setCurrent(m_startDir);
    m_dir.reset();
}

void TestMediaPicture::readsABmpFromTheWorkingDirectory()
{
    QVERIFY(plain({40, 30}, QColor(200, 30, 40)).save(m_dir->filePath("Enfants.bmp"), "BMP"));

    const auto picture = loadPicture(QStringLiteral("Enfants.bmp"));
    QVERIFY(picture.has_value());
    QCOMPARE(picture->size(), QSize(40, 30));
    QCOMPARE(picture->toImage().pixelColor(7, 5), QColor(200, 30, 40));
}

void TestMediaPicture::resolvesTheNameWhenCalled()
{
    QTemporaryDir other;
    QVERIFY(other.isValid());
    QVERIFY(plain({12, 10}, Qt::red).save(m_dir->filePath("chiffres.bmp"), "BMP"));
    QVERIFY(plain({20, 16}, Qt::blue).save(other.filePath("chiffres.bmp"), "BMP"));

    auto picture = loadPicture(QStringLiteral("chiffres.bmp"));
    QVERIFY(picture.has_value());
    QCOMPARE(picture->size(), QSize(12, 10));

    QVERIFY(QDir::setCurrent(other.path()));
    picture = loadPicture(QStringLiteral("chiffres.bmp"));
    QVERIFY(picture.has_value());
    QCOMPARE(picture->size(), QSize(20, 16));
}

void TestMediaPicture::missingFileGivesNothing()
{
    QVERIFY(!QFile::exists(m_dir->filePath("Enfants.bmp")));
    // Said once on stderr, by the name the game asked for: that is what a parent looks for.
    QTest::ignoreMessage(QtWarningMsg, "fichier introuvable : Enfants.bmp");
    QVERIFY(!loadPicture(QStringLiteral("Enfants.bmp")).has_value());
}

void TestMediaPicture::fileThatIsNotAPictureGivesNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("kind"); // what stands under the name

    QByteArray bmp;
    {
        QBuffer buffer(&bmp);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(plain({40, 30}, Qt::green).save(&buffer, "BMP"));
    }

    const QString file = QStringLiteral("file");
    QTest::newRow("text") << QByteArray("Ceci n'est pas une image.\n") << file;
    QTest::newRow("empty") << QByteArray() << file;
    QTest::newRow("truncated bmp") << bmp.left(30) << file;
    QTest::newRow("noise") << oddfiles::noise(4000) << file;
    // Opening a FIFO would wait for a writer; a device would read without end.
    QTest::newRow("FIFO") << QByteArray() << QStringLiteral("fifo");
    QTest::newRow("folder") << QByteArray() << QStringLiteral("folder");
    QTest::newRow("endless device") << QByteArray() << QStringLiteral("device");
}

void TestMediaPicture::fileThatIsNotAPictureGivesNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, kind);
    const QString path = m_dir->filePath("Enfants.bmp");
    QVERIFY(oddfiles::place(kind, path, bytes));
    QTest::ignoreMessage(QtWarningMsg, "fichier illisible : Enfants.bmp");
    QVERIFY(!loadPicture(QStringLiteral("Enfants.bmp")).has_value());
}

void TestMediaPicture::pictureReplacedOnDiskIsReadAgain()
{
    // Same size and same modification time: only reading the file again tells them apart.
    const QString path = m_dir->filePath("Enfants.bmp");
    QVERIFY(plain({40, 30}, Qt::red).save(path, "BMP"));
    const QDateTime written = QFileInfo(path).lastModified();
    const auto first = loadPicture(QStringLiteral("Enfants.bmp"));
    QVERIFY(first.has_value());
    QCOMPARE(first->toImage().pixelColor(0, 0), QColor(Qt::red));

    QVERIFY(plain({40, 30}, Qt::blue).save(path, "BMP"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(written, QFileDevice::FileModificationTime));
    }
    QCOMPARE(QFileInfo(path).lastModified(), written);

    const auto second = loadPicture(QStringLiteral("Enfants.bmp"));
    QVERIFY(second.has_value());
    QCOMPARE(second->toImage().pixelColor(0, 0), QColor(Qt::blue));
}

void TestMediaPicture::theGamePicturesLoad_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("Enfants.bmp") << QStringLiteral("Enfants.bmp");
    QTest::newRow("chiffres.bmp") << QStringLiteral("chiffres.bmp");
}

void TestMediaPicture::theGamePicturesLoad()
{
    // The test starts in the game folder; init() moved to a folder of its own.
    QFETCH(QString, name);
    QVERIFY(QDir::setCurrent(m_startDir));
    if (!QFile::exists(name))
        QSKIP("the game file is not in the working directory");
    const auto picture = loadPicture(name);
    QVERIFY(picture.has_value());
    QVERIFY(!picture->isNull());
}

QTEST_MAIN(TestMediaPicture)
#include "tst_media_picture.moc"
