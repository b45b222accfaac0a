// How the windows and their controls behave for the player and for the handlers: the
// state the main window opens in, wrapping and centring of texts, the toolkit operations,
// the picture box, and the faces the named fonts resolve to.

#include "openwindow.h"

#include "windows/centring.h"
#include "windows/fonts.h"
#include "windows/multilinebox.h"
#include "windows/picturebox.h"
#include "windows/screenfit.h"
#include "windows/toolkit.h"
#include "windows/twips.h"
#include "windows/window.h"
#include "windows/gametables.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>

#include <memory>
#include <vector>

using virdo::GameWindow;

namespace {

// A French text long enough to need several lines in any of the multi-line boxes.
const QString longText = QStringLiteral(
    "Bonjour Léa, je te propose de jouer avec moi, l'ordinateur, à la course au total : "
    "chacun à son tour ajoute un nombre, et celui qui atteint le total exact a gagné !");

// How far a laid-out line is from the left and from the right of its block. A blank
// that ends a paragraph still counts in the centring, so a line may sit up to one
// blank left of the middle.
struct Gaps
{
    qreal left;
    qreal right;
    qreal slack;
    bool centred() const { return qAbs(left - right) <= slack + 2; }
};

QList<Gaps> lineGaps(const QTextEdit *box)
{
    QList<Gaps> gaps;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
        const QTextLayout *layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            // A line's trailing blank is laid out but not seen.
            int end = line.textStart() + line.textLength();
            while (end > line.textStart() && block.text().at(end - 1) == QLatin1Char(' '))
                --end;
            const qreal left = line.cursorToX(line.textStart());
            const qreal right = line.cursorToX(end);
            const qreal blanks = line.cursorToX(line.textStart() + line.textLength()) - right;
            gaps.append({left - line.x(), line.x() + line.width() - right, blanks});
        }
    }
    return gaps;
}

// Empty when every line is centred, else the gaps of the first that is not.
QString uncentred(const QList<Gaps> &gaps)
{
    for (const Gaps &g : gaps) {
        if (!g.centred())
            return QStringLiteral("gaps %1 | %2").arg(g.left).arg(g.right);
    }
    return {};
}

// The box around the dark (text) pixels of an image.
QRect inkBox(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 110)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

QRect buttonContents(const QPushButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.features = QStyleOptionButton::None;
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
}

} // namespace

class TestWindowBehaviour : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // As the game does at start.
        virdo::installFontSubstitutions();
    }

    void cleanup()
    {
        // Every test builds its windows itself and must not leave one behind.
        DRIVER_NO_WINDOW_LEFT();
    }

    // A fresh main window shows the question, the name box, its button, and the two totals: nothing else.
    void startShowsExactlySevenControls()
    {
        virdo::VirdoWindow w(m_ressources);
        QVERIFY(showWindow(&w));
        QStringList shown;
        for (QWidget *c : w.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (c->isVisible())
                shown << c->objectName();
        }
        shown.sort();
        QCOMPARE(shown, (QStringList{"Affichage", "BUT", "Bonjour", "Identite", "Label3", "Nombre", "ndj"}));
    }

    // A fresh main window has "0" as running total, no target, no name and no ticked box.
    void startValues_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text"); // of a check box: none, and not ticked
        QTest::newRow("Nombre") << "Nombre" << "0";
        for (const char *name : {"BUT", "ndj", "nbj"})
            QTest::newRow(name) << name << "";
        for (int k = 1; k <= 8; ++k)
            QTest::addRow("Check%d", k) << QStringLiteral("Check%1").arg(k) << QString();
    }

    void startValues()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        const auto [w, c, complaint] = openWindow("VIRDO", name, m_ressources);
        DRIVER_STEP(complaint);
        if (auto *box = qobject_cast<QCheckBox *>(c)) {
            QVERIFY(!box->isChecked());
            QCOMPARE(box->checkState(), Qt::Unchecked);
        } else {
            QCOMPARE(driver::shownText(c), text);
        }
    }

    // Keys go to the name box as soon as the main window opens.
    void startFocusInNdj()
    {
        virdo::VirdoWindow w(m_ressources);
        QVERIFY(showWindow(&w, Show::Active));
        QCOMPARE(QApplication::focusWidget(), w.control(VirdoControl::ndj));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Tom"));
        QCOMPARE(driver::shownText(w.control(VirdoControl::ndj)), QStringLiteral("Tom"));
    }

    // A box hidden at start lays its text out in its own font once it shows: the computer's
    // message, written while the box is hidden, stands where the same box made visible in
    // that font puts it.
    void hiddenBoxShowsItsOwnFont()
    {
        virdo::VirdoWindow w(m_ressources);
        QVERIFY(showWindow(&w, Show::Active));
        QLineEdit *box = w.textBox(VirdoControl::nombreordinateur);
        const QString message = QStringLiteral("Moi, l'ordinateur, j'ai joué: 7");
        driver::setShownText(box, message);
        box->show();
        box->end(false);

        QLineEdit reference(message, &w);
        reference.setFont(box->font());
        reference.setAlignment(box->alignment());
        reference.setGeometry(box->geometry());
        reference.show();
        reference.end(false);
        QCOMPARE(box->inputMethodQuery(Qt::ImCursorRectangle), reference.inputMethodQuery(Qt::ImCursorRectangle));
    }

    // Dragging the frame of a window moves none of its controls; the main window keeps its size.
    void resizingMovesNoControl_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QSize>("newSize");
        QTest::addColumn<bool>("sizable");
        QTest::newRow("Rejouer larger") << "Rejouer" << QSize(600, 450) << true;
        QTest::newRow("Rejouer smaller") << "Rejouer" << QSize(150, 100) << true;
        QTest::newRow("Eureka larger") << "Eureka" << QSize(640, 700) << true;
        QTest::newRow("Eureka smaller") << "Eureka" << QSize(120, 140) << true;
        QTest::newRow("VIRDO cannot") << "VIRDO" << QSize(900, 600) << false;
    }

    void resizingMovesNoControl()
    {
        QFETCH(QString, window);
        QFETCH(QSize, newSize);
        QFETCH(bool, sizable);
        const auto w = driver::newWindow(window, m_ressources);
        QVERIFY(showWindow(w.get()));
        const QSize before = w->size();
        QMap<QString, QRect> places;
        for (QWidget *c : w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            places.insert(c->objectName(), c->geometry());

        w->resize(newSize);
        QCoreApplication::processEvents();
        QCOMPARE(w->size(), sizable ? newSize : before);
        for (QWidget *c : w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            QCOMPARE(c->geometry(), places.value(c->objectName()));
    }

    // A frame that fits stays where it is; one that does not comes back inside by the least,
    // and one larger than the screen keeps its top-left corner, with its title bar, on it. The
    // victory window leaves FIN in sight too, moved the least; where no place leaves it whole,
    // it covers the least of it.
    void placeOnTheScreen_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QRect>("fin"); // none but for the victory window
        QTest::addColumn<QPoint>("corner");
        const QRect small(0, 0, 800, 600);
        // A panel along the top: the area starts lower.
        const QRect panel(0, 30, 1024, 738);
        const QRect none;
        QTest::newRow("fits: stays") << QRect(401, 356, 300, 200) << small << none << QPoint(401, 356);
        QTest::newRow("fits exactly") << QRect(0, 0, 800, 600) << small << none << QPoint(0, 0);
        QTest::newRow("past the right edge") << QRect(601, 100, 300, 200) << small << none << QPoint(500, 100);
        QTest::newRow("past the bottom") << QRect(100, 500, 300, 200) << small << none << QPoint(100, 400);
        QTest::newRow("wholly off, bottom right") << QRect(800, 437, 320, 190) << small << none << QPoint(480, 410);
        QTest::newRow("off to the left and above") << QRect(-50, -20, 300, 200) << small << none << QPoint(0, 0);
        QTest::newRow("under the panel") << QRect(200, 10, 300, 200) << panel << none << QPoint(200, 30);
        QTest::newRow("wider than the screen") << QRect(601, 356, 1000, 200) << small << none << QPoint(0, 356);
        QTest::newRow("larger than the screen") << QRect(601, 356, 1000, 700) << small << none << QPoint(0, 0);
        QTest::newRow("taller, under the panel") << QRect(40, 100, 300, 800) << panel << none << QPoint(40, 30);

        const QRect screen(0, 0, 1024, 768);
        // FIN of the main window centred on that screen, at 96 dpi.
        const QRect fin(649, 526, 105, 49);
        const auto eureka = [](int x, int y) { return QRect(QPoint(x, y), QSize(307, 365)); };
        QTest::newRow("clear: stays") << eureka(0, 0) << screen << fin << QPoint(0, 0);
        QTest::newRow("on FIN: above it, the nearest side") << eureka(500, 300) << screen << fin << QPoint(500, 161);
        QTest::newRow("past the right edge, on FIN: inside, above") << eureka(800, 300) << screen << fin
                                                                    << QPoint(717, 161);
        QTest::newRow("off the bottom, on FIN: no room below or right") << eureka(700, 600) << screen << fin
                                                                        << QPoint(700, 161);
        // 960 x 600, a main window of 717 x 368 centred: FIN near the bottom right of the middle.
        QTest::newRow("scale 2: left of FIN, nearer than above") << eureka(400, 200) << QRect(0, 0, 960, 600)
                                                                 << QRect(617, 450, 105, 49) << QPoint(310, 200);
        QTest::newRow("no room anywhere: stays inside") << QRect(0, 0, 300, 300) << QRect(0, 0, 320, 320)
                                                        << QRect(100, 100, 200, 200) << QPoint(0, 0);
        QTest::newRow("a panel on the left: clear, right of FIN") << QRect(60, 100, 300, 300) << QRect(60, 0, 500, 500)
                                                                  << QRect(60, 150, 100, 50) << QPoint(160, 100);
    }

    void placeOnTheScreen()
    {
        QFETCH(QRect, frame);
        QFETCH(QRect, area);
        QFETCH(QRect, fin);
        QFETCH(QPoint, corner);
        QCOMPARE(fin.isNull() ? virdo::placeInside(frame, area) : virdo::placeClearOf(frame, area, fin), corner);
    }

    // A window too large for its screen is made smaller just enough, frame included; one that
    // fits keeps the design's size, and none goes below its pixels at 96 dpi.
    void scaleToFitTheScreen_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<double>("smallest");
        QTest::addColumn<double>("scale");
        const QSize main(717, 368);
        const QMargins frame = virdo::assumedFrame();
        QTest::newRow("96 dpi, 1024 x 768: as designed") << main << QRect(0, 0, 1024, 768) << 1.0 << 1.0;
        QTest::newRow("96 dpi, 640 x 480: no smaller than designed") << main << QRect(0, 0, 640, 480) << 1.0 << 1.0;
        QTest::newRow("scale 2, 1366 x 768: narrower") << main << QRect(0, 0, 683, 384) << 0.5
                                                       << (683.0 - frame.left() - frame.right()) / 717;
        QTest::newRow("scale 2, 1366 x 768 under a panel: lower") << main << QRect(0, 14, 683, 370) << 0.5
                                                                  << (370.0 - frame.top() - frame.bottom()) / 368;
        QTest::newRow("scale 2, 1920 x 1200: as designed") << main << QRect(0, 0, 960, 600) << 0.5 << 1.0;
        QTest::newRow("scale 4, 640 x 480: down to the 96-dpi pixels, no lower") << main << QRect(0, 0, 160, 120)
                                                                                 << 0.25 << 0.25;
    }

    void scaleToFitTheScreen()
    {
        QFETCH(QSize, client);
        QFETCH(QRect, area);
        QFETCH(double, smallest);
        QFETCH(double, scale);
        QCOMPARE(virdo::scaleToFit(client, virdo::assumedFrame(), area, smallest), scale);
    }

    // A game window shown again after its place left the screen (a smaller screen meanwhile)
    // comes up on the screen; one whose place is still on it comes up there.
    void shownAgainOnScreen_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QPoint>("leftAt");
        QTest::addColumn<bool>("stays");
        for (const char *name : {"VIRDO", "Rejouer", "Eureka"}) {
            QTest::addRow("%s off the screen", name) << name << QPoint(5000, 4000) << false;
            QTest::addRow("%s still on it", name) << name << QPoint(10, 20) << true;
        }
    }

    void shownAgainOnScreen()
    {
        QFETCH(QString, window);
        QFETCH(QPoint, leftAt);
        QFETCH(bool, stays);
        const auto w = driver::newWindow(window, m_ressources);
        QVERIFY(showWindow(w.get()));
        w->hide();
        w->move(leftAt);
        QVERIFY(showWindow(w.get()));
        DRIVER_STEP(frameOutside(w.get(), w->screen()->availableGeometry()));
        if (stays)
            QCOMPARE(w->pos(), leftAt);
    }

    // Liste shows one digit a line, each line roughly level with the check box of that number.
    void listeWrapsToEightLines_data()
    {
        QTest::addColumn<int>("number");
        for (int k = 1; k <= 8; ++k)
            QTest::addRow("%d", k) << k;
    }

    void listeWrapsToEightLines()
    {
        QFETCH(int, number);
        virdo::VirdoWindow w(m_ressources);
        auto *liste = qobject_cast<QLabel *>(w.control(VirdoControl::Liste));
        QVERIFY(liste);
        QVERIFY(liste->wordWrap());

        const QRect inside = liste->contentsRect();
        const QFontMetrics metrics(liste->font());
        const QRect needed = metrics.boundingRect(inside, Qt::TextWordWrap | liste->alignment(), liste->text());
        QCOMPARE(qRound(double(needed.height()) / metrics.lineSpacing()), 8);

        // Lay the caption out as the label does, line by line.
        QTextLayout layout(liste->text(), liste->font());
        QTextOption option(liste->alignment());
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        qreal y = 0;
        QList<QTextLine> lines;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(inside.width());
            line.setPosition({0, y});
            y += metrics.lineSpacing();
            lines.append(line);
        }
        layout.endLayout();
        QCOMPARE(lines.size(), 8);

        const QTextLine line = lines.at(number - 1);
        QCOMPARE(liste->text().mid(line.textStart(), line.textLength()).trimmed(), QString::number(number));
        // Every digit stands inside the label, the last one included.
        QVERIFY(line.y() + metrics.ascent() <= inside.height());

        QWidget *box = w.control(virdo::caseProgramme(number));
        const qreal lineMiddle =
            liste->y() + inside.top() + line.y() + metrics.ascent() / 2.0 + metrics.descent() / 2.0;
        const qreal boxMiddle = box->geometry().center().y();
        QVERIFY2(qAbs(lineMiddle - boxMiddle) <= metrics.lineSpacing() / 2.0,
                 qPrintable(QStringLiteral("line at %1, box at %2").arg(lineMiddle).arg(boxMiddle)));
    }

    // The multi-line boxes wrap at blanks within their width, make two lines of a CR LF, show no
    // scroll bar, and centre every line, also lines the player types; reading the text back gives
    // the CR LF.
    void multiLineBoxWrapsAndCentres_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("wraps"); // else one line a paragraph
        QTest::newRow("Accueil, long") << "VIRDO" << "Accueil" << longText << true;
        QTest::newRow("Tirage, long") << "VIRDO" << "Tirage" << longText << true;
        QTest::newRow("CRI, long") << "Eureka" << "CRI" << longText << true;
        QTest::newRow("CRI, player wins")
            << "Eureka" << "CRI" << QStringLiteral("Moi, Joueur  Anonyme,\r\nj'ai vaincu l'ordinateur ! ") << false;
        QTest::newRow("CRI, computer wins") << "Eureka" << "CRI"
                                            << QStringLiteral("Moi, l'ordinateur, j'ai vaincu \r\nLéa") << false;
        QTest::newRow("Accueil, CR LF") << "VIRDO" << "Accueil" << QStringLiteral("Bonjour\r\nLéa") << false;
        QTest::newRow("Tirage, CR LF") << "VIRDO" << "Tirage" << QStringLiteral("Léa,\r\nà toi !") << false;
    }

    void multiLineBoxWrapsAndCentres()
    {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, wraps);
        const auto [w, box, complaint] = openWindow<virdo::MultiLineBox>(window, name, m_ressources, Show::Exposed);
        DRIVER_STEP(complaint);

        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

        // More text than the box can hold: still no scroll bar comes up.
        driver::setShownText(box, longText + QLatin1Char(' ') + longText + QLatin1Char(' ') + longText);
        QCoreApplication::processEvents();
        QVERIFY(!box->verticalScrollBar()->isVisible());
        QVERIFY(!box->horizontalScrollBar()->isVisible());

        driver::setShownText(box, text);
        QCoreApplication::processEvents();
        QCOMPARE(driver::shownText(box), text);
        const int paragraphs = int(text.count(QStringLiteral("\r\n"))) + 1;
        QCOMPARE(box->document()->blockCount(), paragraphs);
        QCOMPARE(box->document()->begin().text(), text.section(QStringLiteral("\r\n"), 0, 0));
        QVERIFY2(box->document()->documentLayout()->documentSize().width() <= box->viewport()->width(),
                 "the text runs beyond the right edge");
        const QList<Gaps> gaps = lineGaps(box);
        if (wraps)
            QVERIFY2(gaps.size() > paragraphs, "a long text stays on one line");
        else
            QCOMPARE(gaps.size(), paragraphs);
        // Lines break at blanks: no word is split.
        for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
            for (int i = 0; i + 1 < block.layout()->lineCount(); ++i) {
                const QTextLine line = block.layout()->lineAt(i);
                QCOMPARE(block.text().at(line.textStart() + line.textLength() - 1), QLatin1Char(' '));
            }
        }
        DRIVER_STEP(uncentred(gaps));

        // What the player types in an empty box is centred too.
        driver::setShownText(box, QString());
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("abc"));
        QCOMPARE(driver::shownText(box), QStringLiteral("abc"));
        const QList<Gaps> typed = lineGaps(box);
        QCOMPARE(typed.size(), 1);
        QVERIFY(typed.first().left > box->viewport()->width() / 3);
        QVERIFY(typed.first().centred());
    }

    // A button's caption wraps at blanks onto as many lines as it needs, all inside the
    // button and clear of its frame.
    void buttonCaptionWraps_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("lines"); // 2: two or more, 1: exactly one, 0: either
        QTest::newRow("Joueur") << "VIRDO" << "Joueur" << QStringLiteral("C'est toi qui commences") << 2;
        QTest::newRow("Ordinateur") << "VIRDO" << "Ordinateur" << QStringLiteral("C'est moi l'ordinateur") << 2;
        QTest::newRow("Envoi, fresh") << "VIRDO" << "Envoi" << QStringLiteral("Clique ici pour continuer") << 2;
        QTest::newRow("Envoi, player") << "VIRDO" << "Envoi" << QStringLiteral("Clique pour valider ton nombre") << 2;
        QTest::newRow("Envoi, computer") << "VIRDO" << "Envoi"
                                         << QStringLiteral("Clique pour me faire jouer, moi, l'ordinateur") << 2;
        QTest::newRow("FIN") << "VIRDO" << "FIN" << QStringLiteral("Suite ou FIN") << 0;
        QTest::newRow("Identite") << "VIRDO" << "Identite" << QStringLiteral("<<<") << 1;
        QTest::newRow("OUI") << "Rejouer" << "OUI" << QStringLiteral("OUI") << 1;
        QTest::newRow("NON") << "Rejouer" << "NON" << QStringLiteral("NON") << 1;
    }

    void buttonCaptionWraps()
    {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(int, lines);
        const auto [w, button, complaint] = openWindow<QPushButton>(window, name, m_ressources);
        DRIVER_STEP(complaint);
        driver::setShownText(button, caption);
        QCOMPARE(driver::shownText(button), caption);

        const QRect area = buttonContents(button);
        const QFontMetrics metrics(button->font());
        const QRect needed = metrics.boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, caption);
        // One line is a line spacing high at most; two lines are more.
        if (lines == 2)
            QVERIFY2(needed.height() > metrics.lineSpacing() + 1, "the caption would fit on one line");
        if (lines == 1)
            QVERIFY2(needed.height() <= metrics.lineSpacing() + 1, "the caption needs several lines");
        QVERIFY2(needed.height() <= button->height(),
                 qPrintable(QStringLiteral("the caption needs %1 px, the button has %2").arg(needed.height()).arg(button->height())));

        // What the button draws: the lines it needs, inside it, not touching its frame.
        button->show();
        const QImage shot = button->grab().toImage();
        const QRect ink = inkBox(shot);
        QVERIFY2(!ink.isEmpty(), "no caption is drawn");
        if (lines == 2)
            QVERIFY2(ink.height() > metrics.lineSpacing(), "the caption is drawn on one line");
        if (lines == 1)
            QVERIFY2(ink.height() < metrics.lineSpacing(), "the caption is drawn on several lines");
        const QString where = QStringLiteral("caption drawn at %1,%2 %3x%4 in a %5x%6 button")
                                  .arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())
                                  .arg(shot.width()).arg(shot.height());
        QVERIFY2(ink.left() >= 3 && ink.right() <= shot.width() - 4, qPrintable(where));
        QVERIFY2(ink.top() >= 2 && ink.bottom() <= shot.height() - 3, qPrintable(where));
    }

    // A box gives back exactly what the game writes, a one-line box showing it from its
    // beginning, a box of several lines the CR LF though it holds plain line breaks. A one-line
    // box holds at most 32,767 characters, Qt's default, and a name box far fewer, enough for
    // any first name: a longer text, set by the game or pasted by the player, is cut there.
    // The multi-line boxes keep a text of any length.
    void textBoxKeepsWhatFits_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<int>("kept");
        const auto digits = [](int length) {
            QString text;
            text.reserve(length);
            for (int i = 0; text.size() < length; ++i)
                text += QString::number(i % 10);
            return text;
        };
        const auto whole = [](const char *row, const char *name, const QString &text) {
            QTest::newRow(row) << "VIRDO" << QString::fromLatin1(name) << text << false << int(text.size());
        };
        whole("VIRDO nombreordinateur, long", "nombreordinateur",
              QStringLiteral("Moi, l'ordinateur, j'ai joué: 5 ").repeated(8));
        whole("VIRDO nj, two blanks", "nj", QStringLiteral("Joueur  Anonyme"));
        whole("VIRDO Tirage, two lines", "Tirage", QStringLiteral("Léa, tu as le choix !\r\nattention"));
        for (const char *name : {"BUT", "Nombre", "nbj", "nombreordinateur", "nj"})
            QTest::addRow("VIRDO %s", name) << "VIRDO" << QString::fromLatin1(name) << digits(100000) << false << 32767;
        const int prenom = virdo::longueurPrenom;
        QTest::newRow("VIRDO ndj") << "VIRDO" << "ndj" << digits(100000) << false << prenom;
        QTest::newRow("Rejouer nj") << "Rejouer" << "nj" << digits(100000) << false << prenom;
        QTest::newRow("Rejouer nj, pasted") << "Rejouer" << "nj" << digits(32767) << true << prenom;
        QTest::newRow("VIRDO ndj, exactly the limit") << "VIRDO" << "ndj" << digits(prenom) << false << prenom;
        QTest::newRow("VIRDO ndj, pasted") << "VIRDO" << "ndj" << digits(1000000) << true << prenom;
        for (const char *name : {"Accueil", "Tirage"})
            QTest::addRow("VIRDO %s", name) << "VIRDO" << QString::fromLatin1(name) << digits(100000) << false
                                            << 100000;
        QTest::newRow("Eureka CRI") << "Eureka" << "CRI" << digits(100000) << false << 100000;
    }

    void textBoxKeepsWhatFits()
    {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, pasted);
        QFETCH(int, kept);
        const auto [w, box, complaint] = openWindow(window, name, m_ressources, pasted ? Show::Active : Show::No);
        DRIVER_STEP(complaint);
        if (pasted) {
            QApplication::clipboard()->setText(text);
            box->setFocus();
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        } else {
            driver::setShownText(box, text);
        }
        QCOMPARE(driver::shownText(box).size(), kept);
        QCOMPARE(driver::shownText(box), text.left(kept));
        if (auto *line = qobject_cast<QLineEdit *>(box); line && !pasted)
            QCOMPARE(line->cursorPosition(), 0);
        if (auto *lines = qobject_cast<virdo::MultiLineBox *>(box))
            QCOMPARE(lines->toPlainText(), text.left(kept).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }

    // Return and keypad Enter press the focused button, as Space does, and once however long
    // the key is held. Nothing else gets a meaning: Return with a modifier, Escape, or Return
    // in a text box press nothing, for the windows have no default button.
    void returnPressesFocusedButton_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("held");
        QTest::addColumn<int>("clicks"); // of the focused control; no other control is clicked
        const int none = Qt::NoModifier;
        for (const char *name : {"Identite", "Joueur", "Ordinateur", "Envoi", "FIN"})
            QTest::addRow("VIRDO %s, Return", name) << "VIRDO" << name << int(Qt::Key_Return) << none << false << 1;
        for (const char *name : {"OUI", "NON"})
            QTest::addRow("Rejouer %s, Return", name) << "Rejouer" << name << int(Qt::Key_Return) << none << false << 1;
        QTest::newRow("Envoi, keypad Enter") << "VIRDO" << "Envoi" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false << 1;
        QTest::newRow("OUI, keypad Enter") << "Rejouer" << "OUI" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false << 1;
        QTest::newRow("Envoi, Space") << "VIRDO" << "Envoi" << int(Qt::Key_Space) << none << false << 1;
        QTest::newRow("Envoi, Return held") << "VIRDO" << "Envoi" << int(Qt::Key_Return) << none << true << 1;
        QTest::newRow("Envoi, Ctrl+Return") << "VIRDO" << "Envoi" << int(Qt::Key_Return) << int(Qt::ControlModifier) << false << 0;
        QTest::newRow("FIN, Escape") << "VIRDO" << "FIN" << int(Qt::Key_Escape) << none << false << 0;
        QTest::newRow("Check1, Return") << "VIRDO" << "Check1" << int(Qt::Key_Return) << none << false << 0;
        for (const char *name : {"ndj", "nbj"})
            QTest::addRow("VIRDO %s, Return", name) << "VIRDO" << name << int(Qt::Key_Return) << none << false << 0;
        QTest::newRow("Rejouer nj, Return") << "Rejouer" << "nj" << int(Qt::Key_Return) << none << false << 0;
    }

    void returnPressesFocusedButton()
    {
        QFETCH(QString, window);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, held);
        QFETCH(int, clicks);
        const auto [w, focused, complaint] = openWindow(window, focus, m_ressources);
        DRIVER_STEP(complaint);
        // Every button and box shown, as each is at some moment of a game.
        std::vector<std::unique_ptr<QSignalSpy>> others;
        std::unique_ptr<QSignalSpy> own;
        for (QWidget *c : w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            c->show();
            auto *button = qobject_cast<QAbstractButton *>(c);
            if (!button)
                continue;
            auto spy = std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked);
            if (c == focused)
                own = std::move(spy);
            else
                others.push_back(std::move(spy));
        }
        QVERIFY(showWindow(w.get(), Show::Active));
        focused->setFocus();
        QCOMPARE(QApplication::focusWidget(), focused);

        const auto k = Qt::Key(key);
        const auto m = Qt::KeyboardModifiers(modifiers);
        if (held) {
            for (bool repeat : {false, true, true, true}) {
                QKeyEvent press(QEvent::KeyPress, k, m, QStringLiteral("\r"), repeat);
                QApplication::sendEvent(focused, &press);
            }
            QKeyEvent release(QEvent::KeyRelease, k, m, QStringLiteral("\r"));
            QApplication::sendEvent(focused, &release);
        } else {
            QTest::keyClick(focused, k, m);
        }
        QCOMPARE(own ? own->count() : 0, clicks);
        for (const auto &spy : others)
            QCOMPARE(spy->count(), 0);
    }

    // Width and left are given in twips and take effect at once; nothing else of the box moves.
    void widthAndLeftInTwips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("widthTwips");
        QTest::addColumn<int>("leftTwips");
        QTest::addColumn<int>("widthAt96");
        QTest::addColumn<int>("leftAt96");
        QTest::newRow("nj") << "nj" << 9855 << 120 << 657 << 8;
        QTest::newRow("nombreordinateur") << "nombreordinateur" << 8895 << 120 << 593 << 8;
        QTest::newRow("back to the design") << "nj" << 8535 << 1440 << 569 << 96;
    }

    void widthAndLeftInTwips()
    {
        QFETCH(QString, name);
        QFETCH(int, widthTwips);
        QFETCH(int, leftTwips);
        QFETCH(int, widthAt96);
        QFETCH(int, leftAt96);
        const auto [w, box, complaint] = openWindow("VIRDO", name, m_ressources, Show::Exposed);
        DRIVER_STEP(complaint);
        const QString caption = QStringLiteral("Léa, propose un nombre >");
        driver::setShownText(box, caption);
        const QRect before = box->geometry();

        virdo::setWidthInTwips(box, widthTwips);
        virdo::setLeftInTwips(box, leftTwips);
        // No event is processed in between: the handler's next step sees the new place.
        QCOMPARE(virdo::pixelsToTwipsX(box, box->width()), widthTwips);
        QCOMPARE(virdo::pixelsToTwipsX(box, box->x()), leftTwips);
        if (box->logicalDpiX() == 96) {
            QCOMPARE(box->width(), widthAt96);
            QCOMPARE(box->x(), leftAt96);
        }
        QCOMPARE(box->y(), before.y());
        QCOMPARE(box->height(), before.height());
        QCOMPARE(driver::shownText(box), caption);
    }

    // Clearing a box from the program is no click: the game's click handler does not run.
    void uncheckIsNoClick_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("tickedBefore");
        for (int k = 1; k <= 8; ++k) {
            QTest::addRow("Check%d ticked", k) << QStringLiteral("Check%1").arg(k) << true;
            QTest::addRow("Check%d already clear", k) << QStringLiteral("Check%1").arg(k) << false;
        }
    }

    void uncheckIsNoClick()
    {
        QFETCH(QString, name);
        QFETCH(bool, tickedBefore);
        const auto [w, box, complaint] = openWindow<QCheckBox>("VIRDO", name, m_ressources, Show::Active);
        DRIVER_STEP(complaint);

        QSignalSpy clicks(box, &QAbstractButton::clicked);
        if (tickedBefore) {
            // The player ticks it: that is a click.
            QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
            QCOMPARE(clicks.size(), 1);
            QVERIFY(box->isChecked());
            clicks.clear();
        }
        // No signal at all: neither the click nor the change of state a handler might follow.
        QSignalSpy toggles(box, &QAbstractButton::toggled);
        QSignalSpy states(box, &QCheckBox::stateChanged);
        virdo::uncheck(box);
        QVERIFY(!box->isChecked());
        QCOMPARE(clicks.size(), 0);
        QCOMPARE(toggles.size(), 0);
        QCOMPARE(states.size(), 0);

        // The player can tick it again afterwards, and that is reported.
        QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
        QCOMPARE(clicks.size(), 1);
        QVERIFY(box->isChecked());
    }

    // Photo draws a picture at its own size from the top-left corner of its inside, clips
    // what does not fit, and shows the 3-D face colour beyond it.
    void pictureAtOwnSizeFromTopLeft_data()
    {
        QTest::addColumn<QSize>("pictureSize");
        QTest::newRow("small") << QSize(20, 10);
        QTest::newRow("the game's 300 x 280") << QSize(300, 280);
        QTest::newRow("larger than the box") << QSize(400, 350);
    }

    void pictureAtOwnSizeFromTopLeft()
    {
        QFETCH(QSize, pictureSize);
        virdo::EurekaWindow w(m_ressources);
        virdo::PictureBox *photo = w.pictureBox(EurekaControl::Photo);

        // Every pixel tells where it comes from: red the column, green the row.
        QImage source(pictureSize, QImage::Format_RGB32);
        for (int y = 0; y < source.height(); ++y) {
            for (int x = 0; x < source.width(); ++x)
                source.setPixel(x, y, qRgb(x % 256, y % 256, 77));
        }
        photo->setPicture(QPixmap::fromImage(source));

        const QImage shot = photo->grab().toImage();
        const QRect inside = photo->contentsRect();
        QVERIFY(inside.width() < photo->width()); // the border stays drawn around it
        const QSize drawn = pictureSize.boundedTo(inside.size());
        for (int y = 0; y < drawn.height(); y += 3) {
            for (int x = 0; x < drawn.width(); x += 3) {
                const QRgb got = shot.pixel(inside.topLeft() + QPoint(x, y));
                if (got != source.pixel(x, y))
                    QFAIL(qPrintable(QStringLiteral("picture pixel %1,%2 is drawn as %3,%4,%5")
                                         .arg(x).arg(y).arg(qRed(got)).arg(qGreen(got)).arg(qBlue(got))));
            }
        }
        const QColor face = photo->palette().color(QPalette::Button);
        QCOMPARE(face, QApplication::palette().color(QPalette::Button));
        if (pictureSize.width() < inside.width())
            QCOMPARE(shot.pixelColor(inside.topLeft() + QPoint(pictureSize.width(), 2)), face);
        if (pictureSize.height() < inside.height())
            QCOMPARE(shot.pixelColor(inside.topLeft() + QPoint(2, pictureSize.height())), face);
        if (pictureSize.width() < inside.width() && pictureSize.height() < inside.height())
            QCOMPARE(shot.pixelColor(inside.bottomRight() - QPoint(1, 1)), face);
    }

    // The faces the windows name resolve to the nearest free face on the machine, keeping weight and slant.
    void namedFontsResolve_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("named");
        QTest::addColumn<QString>("nearest");
        QTest::addColumn<bool>("checkSlant");

        const QString times = QStringLiteral("Times New Roman");
        const QString serif = QStringLiteral("Liberation Serif");
        for (const char *name : {"Bonjour", "ndj", "Nombre", "BUT", "nbj", "nj", "Liste", "FIN", "Joueur"})
            QTest::addRow("VIRDO %s", name) << "VIRDO" << QString::fromLatin1(name) << times << serif << true;
        for (const char *name : {"Accueil", "nombreordinateur"})
            QTest::addRow("VIRDO %s, italic", name) << "VIRDO" << QString::fromLatin1(name) << times << serif << true;
        for (const char *name : {"Envoi", "Tirage", "Affichage"})
            QTest::addRow("VIRDO %s, window font", name) << "VIRDO" << QString::fromLatin1(name) << times << serif
                                                         << true;
        QTest::newRow("Rejouer nj") << "Rejouer" << "nj" << times << serif << true;
        QTest::newRow("Eureka CRI") << "Eureka" << "CRI" << times << serif << true;
        QTest::newRow("VIRDO Identite") << "VIRDO" << "Identite" << "Arial Rounded MT Bold" << "Quicksand" << true;
        QTest::newRow("Rejouer OUI") << "Rejouer" << "OUI" << "Arial Rounded MT Bold" << "Quicksand" << true;
        QTest::newRow("Rejouer NON") << "Rejouer" << "NON" << "Arial Rounded MT Bold" << "Quicksand" << true;
        QTest::newRow("Rejouer Label1") << "Rejouer" << "Label1" << "Script MT Bold" << "Dancing Script" << true;
        // Dancing Script has no italic face of its own.
        QTest::newRow("Rejouer Label2") << "Rejouer" << "Label2" << "Script MT Bold" << "Dancing Script" << false;
        QTest::newRow("VIRDO Check1") << "VIRDO" << "Check1" << "MS Sans Serif" << "Liberation Sans" << true;
    }

    void namedFontsResolve()
    {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QFETCH(QString, named);
        QFETCH(QString, nearest);
        QFETCH(bool, checkSlant);
        const auto [w, c, complaint] = openWindow(window, name, m_ressources);
        DRIVER_STEP(complaint);
        QCOMPARE(c->font().family(), named);

        const bool installed = QFontDatabase::families().contains(named, Qt::CaseInsensitive);
        if (!installed && !QFontDatabase::families().contains(nearest, Qt::CaseInsensitive))
            QSKIP(qPrintable(nearest + QLatin1String(" is not installed on this machine")));
        const QFontInfo resolved(c->font());
        QCOMPARE(resolved.family(), installed ? named : nearest);
        QCOMPARE(resolved.bold(), c->font().bold());
        if (checkSlant)
            QCOMPARE(resolved.italic(), c->font().italic());
        QVERIFY(qAbs(resolved.pointSizeF() - c->font().pointSizeF()) < 0.5);
    }

private:
    // Shared by the windows a test builds, as the game shares its own.
    virdo::WindowResources m_ressources;
};

QTEST_MAIN(TestWindowBehaviour)
#include "tst_windowbehaviour.moc"

