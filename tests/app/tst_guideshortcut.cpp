// F1 opens the guide for parents and teachers: which page the game finds (installed, or
// beside a program run from its build), and that the key, in any window, asks the browser
// for it once, and only it; where there is no page or no browser, one line and nothing else.

#include "app/guideshortcut.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using virdo::GuideShortcut;

class TstGuideShortcut : public QObject
{
    Q_OBJECT

private slots:
    void find_data();
    void find();
    void key_data();
    void key();
};

void TstGuideShortcut::find_data()
{
    QTest::addColumn<QStringList>("pages");
    QTest::addColumn<QString>("expected");
    const QString installed = QStringLiteral("share/doc/virdo/guide.html");
    const QString built = QStringLiteral("lib/games/virdo/doc/guide.html");
    QTest::newRow("installé") << QStringList{installed} << installed;
    QTest::newRow("construit") << QStringList{built} << built;
    QTest::newRow("les deux : l'installé") << QStringList{built, installed} << installed;
    QTest::newRow("aucun") << QStringList{} << QString();
    QTest::newRow("un dossier n'est pas une page") << QStringList{installed + u'/'} << QString();
}

void TstGuideShortcut::find()
{
    QFETCH(QStringList, pages);
    QFETCH(QString, expected);
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("lib/games/virdo")));
    for (const QString &page : std::as_const(pages)) {
        const QString path = root.filePath(page);
        if (path.endsWith(u'/')) {
            QVERIFY(QDir().mkpath(path));
            continue;
        }
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const QUrl url = GuideShortcut::find(root.filePath(QStringLiteral("lib/games/virdo")));
    QCOMPARE(url, expected.isEmpty() ? QUrl() : QUrl::fromLocalFile(QFileInfo(root.filePath(expected)).canonicalFilePath()));
}

void TstGuideShortcut::key_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("repeated");
    QTest::addColumn<bool>("inMessageBox");
    QTest::addColumn<bool>("hasGuide");
    QTest::addColumn<bool>("browserAnswers");
    QTest::addColumn<int>("opened");
    QTest::addColumn<QString>("line");
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const QString noBrowser = QStringLiteral("aucun navigateur n'a pu ouvrir le guide : /guide/guide.html");
    const QString noGuide = QStringLiteral("le guide pour les parents et les enseignants n'est pas installé (touche F1)");
    QTest::newRow("F1") << int(Qt::Key_F1) << none << false << false << true << true << 1 << QString();
    QTest::newRow("F1 dans une boîte") << int(Qt::Key_F1) << none << false << true << true << true << 1 << QString();
    QTest::newRow("F1 tenue : sa répétition") << int(Qt::Key_F1) << none << true << false << true << true << 0 << QString();
    QTest::newRow("Maj+F1") << int(Qt::Key_F1) << Qt::KeyboardModifiers(Qt::ShiftModifier) << false << false << true << true << 0 << QString();
    QTest::newRow("F2") << int(Qt::Key_F2) << none << false << false << true << true << 0 << QString();
    QTest::newRow("aucun navigateur") << int(Qt::Key_F1) << none << false << false << true << false << 1 << noBrowser;
    QTest::newRow("aucun guide") << int(Qt::Key_F1) << none << false << false << false << true << 0 << noGuide;
}

void TstGuideShortcut::key()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, repeated);
    QFETCH(bool, inMessageBox);
    QFETCH(bool, hasGuide);
    QFETCH(bool, browserAnswers);
    QFETCH(int, opened);
    QFETCH(QString, line);

    const QUrl page = QUrl::fromLocalFile(QStringLiteral("/guide/guide.html"));
    QList<QUrl> asked;
    GuideShortcut guide(hasGuide ? page : QUrl(), [&](const QUrl &url) {
        asked << url;
        return browserAnswers;
    });
    qApp->installEventFilter(&guide);

    // A number typed in a box of a window, or a message box over it.
    QLineEdit nombre;
    nombre.setText(QStringLiteral("12"));
    QMessageBox erreur(QMessageBox::Warning, QStringLiteral("Erreur"), QStringLiteral("Erreur, tu triches !"));
    QWidget *target = &nombre;
    if (inMessageBox)
        target = &erreur;
    target->show();

    if (!line.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, qPrintable(line));
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(), repeated);
    QApplication::sendEvent(target, &press);

    QCOMPARE(asked.size(), opened);
    if (opened)
        QCOMPARE(asked.first(), page);
    // Nothing else: the box keeps its number, the message box stays.
    QCOMPARE(nombre.text(), QStringLiteral("12"));
    QCOMPARE(erreur.isVisible(), inMessageBox);
}

QTEST_MAIN(TstGuideShortcut)
#include "tst_guideshortcut.moc"
