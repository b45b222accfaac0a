// The three windows against the game's tables, control by control: every widget as its row
// lays it out, the texts in the game's own words, and what the rows must keep between them.

#include "driver.h"

#include "windows/colours.h"
#include "windows/fonts.h"
#include "windows/multilinebox.h"
#include "windows/picturebox.h"
#include "windows/twips.h"
#include "windows/window.h"
#include "windows/gametables.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <iterator>
#include <map>
#include <memory>
#include <stdexcept>
#include <tuple>

using virdo::ControlRow;
using virdo::Kind;
using virdo::WindowTable;

namespace {

const QColor lightGrey(224, 224, 224);
const QColor byDefault; // invalid: the toolkit's own colour

// Control name to its text at start.
using Texts = QHash<QString, QString>;

// The conversion worked out here, not the game's: 1440 twips an inch (15 a pixel at 96 dpi).
int pixelsX(const QWidget *w, int twips) { return qRound(twips * w->logicalDpiX() / 1440.0); }
int pixelsY(const QWidget *w, int twips) { return qRound(twips * w->logicalDpiY() / 1440.0); }

QColor colourOf(int rgb) { return rgb == virdo::defaultColour ? byDefault : QColor::fromRgb(QRgb(rgb)); }

const WindowTable &tableNamed(const QString &window)
{
    if (window == QLatin1String("VIRDO"))
        return virdo::tableOf<VirdoControl>();
    if (window == QLatin1String("Rejouer"))
        return virdo::tableOf<virdo::RejouerControl>();
    return virdo::tableOf<virdo::EurekaControl>();
}

const QStringList windowNames{"VIRDO", "Rejouer", "Eureka"};

// The widget class each kind of control of the design is made of, in the order of Kind.
constexpr const char *classFor[] = {"virdo::WrapButton", "QLineEdit", "virdo::MultiLineBox", "QLabel", "QCheckBox", "virdo::PictureBox"};
static_assert(std::size(classFor) == std::size_t(Kind::PictureBox) + 1);

// What a control shows; a picture shows no text.
QString shownText(const QWidget *c) { return qobject_cast<const virdo::PictureBox *>(c) ? QString() : driver::shownText(c); }

// Controls the designer drew over one another, the earlier row first: nbj over the right end
// of nj, the replay window's buttons over its name label, the victory cry over the foot of
// the picture, and the numbering and the check boxes over their neighbours.
bool drawnToOverlap(const QString &window, const char *a, const char *b)
{
    static const QStringList pairs{"VIRDO nbj nj", "Rejouer NON Label2", "Rejouer OUI Label2", "Eureka CRI Photo"};
    const auto numbering = [](QLatin1StringView n) { return n.startsWith(QLatin1String("Check")) || n == QLatin1String("Liste"); };
    return pairs.contains(QStringLiteral("%1 %2 %3").arg(window, a, b))
        || (window == QLatin1String("VIRDO") && numbering(QLatin1StringView(a)) && numbering(QLatin1StringView(b)));
}

struct IconImage
{
    int width;
    int height;
    int bitsPerPixel;
    bool operator==(const IconImage &) const = default;
};

// Reads the directory of an .ico file; the bit depth is taken from the image itself
// when the directory leaves it at 0.
QList<IconImage> iconDirectory(const QByteArray &bytes)
{
    QList<IconImage> images;
    if (bytes.size() < 6)
        return images;
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const int count = qFromLittleEndian<quint16>(data + 4);
    for (int i = 0; i < count && 6 + 16 * (i + 1) <= bytes.size(); ++i) {
        const uchar *entry = data + 6 + 16 * i;
        const int width = entry[0] ? entry[0] : 256;
        const int height = entry[1] ? entry[1] : 256;
        int bits = qFromLittleEndian<quint16>(entry + 6);
        const quint32 offset = qFromLittleEndian<quint32>(entry + 12);
        if (bits == 0 && offset + 16 <= quint32(bytes.size()))
            bits = qFromLittleEndian<quint16>(data + offset + 14);
        images.append({width, height, bits});
    }
    return images;
}

} // namespace

Q_DECLARE_METATYPE(QList<IconImage>)

class TestWindowTables : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void windowProperties_data();
    void windowProperties();
    void windowIcon_data();
    void windowIcon();
    void control_data();
    void control();
    void tabOrder_data();
    void tabOrder();
    void nbjIsDrawnOverNj();
    void programBoxes();
    void windowBackgroundIsPainted_data();
    void windowBackgroundIsPainted();
    void fixedColoursReadOnADarkTheme_data();
    void fixedColoursReadOnADarkTheme();

private:
    // Shared by the windows a test builds, as the game shares its own.
    virdo::WindowResources m_ressources;
};

// Program k ticks Check<k>; a number outside the eight is refused as the programs' own
// table refuses it, never turned into some other control.
void TestWindowTables::programBoxes()
{
    for (int k = 1; k <= 8; ++k)
        QCOMPARE(virdo::VirdoWindow(m_ressources).control(virdo::caseProgramme(k))->objectName(), QStringLiteral("Check%1").arg(k));
    for (const int k : {0, 9, -1, 1 << 30})
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, virdo::caseProgramme(k));
}

void TestWindowTables::initTestCase()
{
    virdo::installFontSubstitutions();
}

void TestWindowTables::cleanup()
{
    // Every test builds its windows itself and must not leave one behind.
    DRIVER_NO_WINDOW_LEFT();
}

// Each window has its name, the game's exact caption and texts (every other control starts
// empty), exactly the controls of its table stacked as the table has them (where two overlap,
// the earlier row is drawn above), its table's client size, frame, background and font, and
// its controls where the rows keep them clear of one another.
void TestWindowTables::windowProperties_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("count");
    QTest::addColumn<Texts>("texts");
    QTest::newRow("VIRDO") << "VIRDO" << QStringLiteral("Pivolane - Logique et calcul mental par  Quenbrel") << 25
                           << Texts{
        {"FIN", "Suite ou FIN"}, {"Envoi", "Clique ici pour continuer"}, {"Nombre", "0"},
        {"Ordinateur", "C'est moi l'ordinateur"}, {"Joueur", "C'est toi qui commences"}, {"Identite", "<<<"},
        {"Label3", "Objectif Final >"}, {"Affichage", "Total provisoire >"}, {"Liste", "1 2 3 4 5 6 7 8"},
        {"Bonjour", "Bonjour, comment t'appelles-tu ?"}};
    QTest::newRow("Rejouer") << "Rejouer" << QStringLiteral("Relancer le jeu") << 5 << Texts{
        {"NON", "NON"}, {"OUI", "OUI"}, {"Label2", "Pivolane"}, {"Label1", "Veux-tu rejouer ?"}};
    QTest::newRow("Eureka") << "Eureka" << QStringLiteral("Victoire finale") << 2 << Texts{};
}

void TestWindowTables::windowProperties()
{
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(int, count);
    QFETCH(Texts, texts);
    const WindowTable &table = tableNamed(window);

    const auto w = driver::newWindow(window, m_ressources);
    QCOMPARE(w->objectName(), window);
    QCOMPARE(w->windowTitle(), caption);
    QVERIFY(w->isWindow());
    QVERIFY(w->isHidden());

    QStringList topmostFirst;
    for (const ControlRow &row : table.controls) {
        const QString name = QString::fromUtf8(row.name);
        topmostFirst << name;
        QWidget *c = w->findChild<QWidget *>(name, Qt::FindDirectChildrenOnly);
        QVERIFY2(c, qPrintable(name));
        QCOMPARE(shownText(c), texts.take(name));
    }
    QVERIFY2(texts.isEmpty(), qPrintable(QStringList(texts.keys()).join(u' ') + QLatin1String(": no such control")));
    QCOMPARE(QSet<QString>(topmostFirst.begin(), topmostFirst.end()).size(), count);
    QStringList names; // a window's children are kept bottom to top
    for (const QObject *child : w->children())
        names.prepend(child->isWidgetType() ? child->objectName() : QString());
    names.removeAll(QString());
    QCOMPARE(names, topmostFirst);

    const QSize client(pixelsX(w.get(), table.clientWidth), pixelsY(w.get(), table.clientHeight));
    QCOMPARE(w->size(), client);
    QCOMPARE(virdo::pixelsToTwipsX(w.get(), w->width()), table.clientWidth);
    QCOMPARE(virdo::pixelsToTwipsY(w.get(), w->height()), table.clientHeight);

    // Every control starts inside the window and passes its right or bottom edge by a border
    // at most (60 twips, as the check boxes and the victory window's controls do).
    const QRect inside = w->rect().adjusted(0, 0, pixelsX(w.get(), 60), pixelsY(w.get(), 60));
    for (QWidget *c : w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        QVERIFY2(inside.contains(c->geometry()), qPrintable(c->objectName()));
    // No two controls overlap but those the designer drew so; in twips, as pixels rounded
    // apart may touch where the design leaves no gap.
    for (const ControlRow &a : table.controls) {
        for (const ControlRow &b : table.controls) {
            const bool overlap = &a < &b && a.left < b.left + b.width && b.left < a.left + a.width
                && a.top < b.top + b.height && b.top < a.top + a.height;
            QVERIFY2(!overlap || drawnToOverlap(window, a.name, b.name), qPrintable(QStringLiteral("%1 over %2").arg(a.name, b.name)));
        }
    }

    if (table.fixedFrame) {
        QCOMPARE(w->minimumSize(), client);
        QCOMPARE(w->maximumSize(), client);
    } else {
        QVERIFY(w->minimumWidth() < client.width() && w->minimumHeight() < client.height());
        QVERIFY(w->maximumWidth() > client.width() && w->maximumHeight() > client.height());
    }

    const QColor background = colourOf(table.background);
    QCOMPARE(w->palette().color(QPalette::Window),
             background.isValid() ? background : QApplication::palette().color(QPalette::Window));

    if (table.font.face) {
        QVERIFY(w->testAttribute(Qt::WA_SetFont));
        QCOMPARE(w->font().family(), QString::fromUtf8(table.font.face));
        QCOMPARE(w->font().pointSizeF(), table.font.points);
        QCOMPARE(w->font().bold(), table.font.bold);
        QCOMPARE(w->font().italic(), table.font.italic);
    }
}

// Each window carries its own icon, with the images the designer gave it.
void TestWindowTables::windowIcon_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<qint64>("fileBytes");
    QTest::addColumn<QList<QSize>>("sizes");
    QTest::addColumn<QList<IconImage>>("images");

    QTest::newRow("VIRDO") << "VIRDO" << qint64(1078)
                           << QList<QSize>{{16, 16}, {32, 32}}
                           << QList<IconImage>{{32, 32, 4}, {16, 16, 4}};
    QTest::newRow("Rejouer") << "Rejouer" << qint64(766)
                             << QList<QSize>{{32, 32}} << QList<IconImage>{{32, 32, 4}};
    QTest::newRow("Eureka") << "Eureka" << qint64(15558)
                            << QList<QSize>{{16, 16}, {32, 32}, {48, 48}}
                            << QList<IconImage>{{48, 48, 4}, {32, 32, 4}, {16, 16, 4}, {48, 48, 8},
                                                {32, 32, 8}, {16, 16, 8}, {32, 32, 32}, {16, 16, 32}};
}

void TestWindowTables::windowIcon()
{
    QFETCH(QString, window);
    QFETCH(qint64, fileBytes);
    QFETCH(QList<QSize>, sizes);
    QFETCH(QList<IconImage>, images);

    QFile file(QString::fromUtf8(tableNamed(window).icon));
    if (!file.exists())
        QSKIP("the icon files are not in assets/icons yet, so the build compiled no icon in");

    const auto w = driver::newWindow(window, m_ressources);
    const QIcon icon = w->windowIcon();
    QVERIFY(!icon.isNull());
    QList<QSize> available = icon.availableSizes();
    std::sort(available.begin(), available.end(),
              [](QSize a, QSize b) { return a.width() < b.width(); });
    available.erase(std::unique(available.begin(), available.end()), available.end());
    QCOMPARE(available, sizes);
    // A window made again, as the main window is for every game, shows the same pixmaps:
    // decoded anew, they would pile up in Qt's pixmap cache game after game.
    const QSize largest = sizes.constLast();
    QCOMPARE(driver::newWindow(window, m_ressources)->windowIcon().pixmap(largest).cacheKey(), icon.pixmap(largest).cacheKey());

    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(qint64(bytes.size()), fileBytes);
    QList<IconImage> found = iconDirectory(bytes);
    // The order of the images inside the file is free; compare them as sets.
    const auto byShape = [](const IconImage &a, const IconImage &b) {
        return std::tie(a.bitsPerPixel, a.width) < std::tie(b.bitsPerPixel, b.width);
    };
    std::sort(found.begin(), found.end(), byShape);
    std::sort(images.begin(), images.end(), byShape);
    QVERIFY2(found == images, "the icon file holds other images than the designer's");
}

// Every control is built as its row says: kind, text, place and size, visibility, font,
// colours, alignment, length limit, and the name a screen reader reads for it.
void TestWindowTables::control_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("index");
    for (const QString &window : windowNames) {
        const WindowTable &table = tableNamed(window);
        for (std::size_t i = 0; i < table.controls.size(); ++i)
            QTest::addRow("%s %s", table.name, table.controls[i].name) << window << int(i);
    }
}

void TestWindowTables::control()
{
    QFETCH(QString, window);
    QFETCH(int, index);
    const ControlRow &row = tableNamed(window).controls[std::size_t(index)];
    const QString name = QString::fromUtf8(row.name);

    const auto w = driver::newWindow(window, m_ressources);
    QWidget *c = w->findChild<QWidget *>(name, Qt::FindDirectChildrenOnly);
    QVERIFY2(c, qPrintable(name + QLatin1String(" is missing")));

    QCOMPARE(QString::fromLatin1(c->metaObject()->className()), QString::fromLatin1(classFor[std::size_t(row.kind)]));
    QCOMPARE(shownText(c), QString::fromUtf8(row.text));

    const QRect pixels(pixelsX(w.get(), row.left), pixelsY(w.get(), row.top),
                       pixelsX(w.get(), row.width), pixelsY(w.get(), row.height));
    QCOMPARE(c->geometry(), pixels);
    QCOMPARE(virdo::pixelsToTwipsX(w.get(), c->x()), row.left);
    QCOMPARE(virdo::pixelsToTwipsY(w.get(), c->y()), row.top);
    QCOMPARE(virdo::pixelsToTwipsX(w.get(), c->width()), row.width);
    QCOMPARE(virdo::pixelsToTwipsY(w.get(), c->height()), row.height);

    QCOMPARE(!c->isHidden(), row.shown);
    QVERIFY(c->isEnabled());

    const bool isLabel = row.kind == Kind::Label;
    const bool isTextBox = row.kind == Kind::TextBox || row.kind == Kind::MultiLineTextBox;
    if (row.kind != Kind::PictureBox) {
        // No face of its own: the window's (a one-line label may be condensed a little to show its whole caption).
        const virdo::FontChoice &font = row.font.face ? row.font : tableNamed(window).font;
        QCOMPARE(c->font().family(), font.face ? QString::fromUtf8(font.face) : w->font().family());
        QCOMPARE(c->font().pointSizeF(), font.face ? font.points : w->font().pointSizeF());
        QCOMPARE(c->font().bold(), font.face ? font.bold : w->font().bold());
        QCOMPARE(c->font().italic(), font.face ? font.italic : w->font().italic());
        QVERIFY(!c->font().underline());
        QVERIFY(!c->font().strikeOut());
    }

    if (isLabel || isTextBox) {
        const QPalette::ColorRole foreground = isLabel ? QPalette::WindowText : QPalette::Text;
        const QPalette::ColorRole ground = isLabel ? QPalette::Window : QPalette::Base;
        // Default colours are the ones the window itself has.
        const QColor text = colourOf(row.textColour);
        const QColor background = colourOf(row.background);
        QCOMPARE(c->palette().color(foreground), text.isValid() ? text : w->palette().color(foreground));
        QCOMPARE(c->palette().color(ground), background.isValid() ? background : w->palette().color(ground));
        if (isLabel)
            QVERIFY2(c->autoFillBackground(), "a label paints its background colour");

        Qt::Alignment alignment;
        if (auto *label = qobject_cast<QLabel *>(c))
            alignment = label->alignment();
        else if (auto *box = qobject_cast<QLineEdit *>(c))
            alignment = box->alignment();
        else if (auto *box = qobject_cast<QTextEdit *>(c))
            alignment = box->document()->defaultTextOption().alignment();
        QCOMPARE(alignment & Qt::AlignHorizontal_Mask, row.alignment & Qt::AlignHorizontal_Mask);
    }
    if (auto *box = qobject_cast<QLineEdit *>(c))
        QCOMPARE(box->maxLength(), row.maxLength > 0 ? row.maxLength : 32767);

    // A screen reader reads the row's name for the control, or else its caption.
    const QString spoken = row.accessibleName ? QString::fromUtf8(row.accessibleName) : QString::fromUtf8(row.text);
    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(c);
    QVERIFY(reader);
    QCOMPARE(reader->text(QAccessible::Name), spoken);
    if (isTextBox || row.kind == Kind::CheckBox || row.kind == Kind::PictureBox)
        QVERIFY2(!c->accessibleName().isEmpty(), "a screen reader has no name to read for it");
    if (isLabel)
        QCOMPARE(c->focusPolicy(), Qt::NoFocus);
}

// Tab goes through the focusable controls in the order of their tab indexes, which run
// 0, 1, 2 ... once each over the whole window; labels hold one but never take the focus.
void TestWindowTables::tabOrder_data()
{
    QTest::addColumn<QString>("window");
    for (const QString &window : windowNames)
        QTest::newRow(qPrintable(window)) << window;
}

void TestWindowTables::tabOrder()
{
    QFETCH(QString, window);
    const WindowTable &table = tableNamed(window);
    std::map<int, const ControlRow *> byTab;
    for (const ControlRow &row : table.controls)
        QVERIFY2(byTab.emplace(row.tabIndex, &row).second, row.name);
    QCOMPARE(byTab.begin()->first, 0);
    QCOMPARE(byTab.rbegin()->first, int(table.controls.size()) - 1);
    QStringList order;
    for (const auto &[tab, row] : byTab) {
        if (row->kind != Kind::Label)
            order << QString::fromUtf8(row->name);
    }
    const auto w = driver::newWindow(window, m_ressources);

    // The focus chain, restricted to the window's controls that Tab can reach.
    QStringList chain;
    QWidget *first = w->findChild<QWidget *>(order.first(), Qt::FindDirectChildrenOnly);
    QVERIFY(first);
    QWidget *next = first;
    do {
        if (next->parentWidget() == w.get() && (next->focusPolicy() & Qt::TabFocus))
            chain << next->objectName();
        next = next->nextInFocusChain();
    } while (next != first && chain.size() <= order.size());
    QCOMPARE(chain, order);

    // And the Tab key itself follows it once every control is shown.
    for (QWidget *c : w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        c->show();
    w->show();
    QApplication::setActiveWindow(w.get());
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    first->setFocus(Qt::TabFocusReason);
    QStringList visited{QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString()};
    for (qsizetype i = 1; i <= order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString());
    }
    QCOMPARE(visited, order + QStringList{order.first()});
}

// nbj lies over the right end of nj and is drawn above it, so typed digits stay visible.
void TestWindowTables::nbjIsDrawnOverNj()
{
    virdo::VirdoWindow w(m_ressources);
    QWidget *nj = w.control(VirdoControl::nj);
    QWidget *nbj = w.control(VirdoControl::nbj);
    QVERIFY(nj->geometry().intersects(nbj->geometry()));
    nj->show();
    nbj->show();
    const QImage shot = w.grab().toImage();
    // nbj keeps the text boxes' white; nj would show light grey there.
    const QColor inside = shot.pixelColor(nbj->geometry().center());
    QCOMPARE(inside, nbj->palette().color(QPalette::Base));
    QVERIFY(inside != lightGrey);
}

// The window's background colour is what the player sees between the controls.
void TestWindowTables::windowBackgroundIsPainted_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QPoint>("emptySpot"); // pixels at 96 dpi, away from every control
    QTest::newRow("Rejouer") << "Rejouer" << QPoint(316, 120);
    QTest::newRow("VIRDO") << "VIRDO" << QPoint(700, 20);
}

void TestWindowTables::windowBackgroundIsPainted()
{
    QFETCH(QString, window);
    QFETCH(QPoint, emptySpot);
    const QColor colour = colourOf(tableNamed(window).background);
    const auto w = driver::newWindow(window, m_ressources);
    const QPoint spot(emptySpot.x() * w->logicalDpiX() / 96, emptySpot.y() * w->logicalDpiY() / 96);
    for (QWidget *c : w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        QVERIFY2(!c->isVisibleTo(w.get()) || !c->geometry().contains(spot), qPrintable(c->objectName()));
    const QImage shot = w->grab().toImage();
    QCOMPARE(shot.pixelColor(spot), colour.isValid() ? colour : QApplication::palette().color(QPalette::Window));
}

// On a dark desktop theme, the controls whose colours the design fixes keep a background of
// their own that their text reads on, as seen on screen: 4.5 or better, or for red on the
// face (3.5 as designed) no worse than the design. Liste, of the theme's colours, sits on the
// window's background and must read there too.
void TestWindowTables::fixedColoursReadOnADarkTheme_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("floor");
    for (const char *name : {"BUT", "Nombre", "nbj", "nombreordinateur", "nj", "Tirage", "Accueil", "ndj",
                             "Label3", "Bonjour", "Liste"})
        QTest::addRow("VIRDO %s", name) << "VIRDO" << name << 4.5;
    QTest::addRow("VIRDO Affichage") << "VIRDO" << "Affichage" << 3.4;
    for (const char *name : {"nj", "Label2", "Label1"})
        QTest::addRow("Rejouer %s", name) << "Rejouer" << name << 4.5;
}

void TestWindowTables::fixedColoursReadOnADarkTheme()
{
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(double, floor);
    // As a dark desktop theme (gtk3's Adwaita:dark, a qt6ct dark scheme) hands it to Qt.
    const QPalette light = QApplication::palette();
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x2d, 0x2d, 0x2d));
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xec));
    dark.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xec));
    QApplication::setPalette(dark);
    const auto restore = qScopeGuard([&] { QApplication::setPalette(light); });

    const auto w = driver::newWindow(window, m_ressources);
    QWidget *c = w->findChild<QWidget *>(name, Qt::FindDirectChildrenOnly);
    QVERIFY(c);
    if (shownText(c).isEmpty())
        driver::setShownText(c, QStringLiteral("100"));
    c->show();
    // Inside the border: the background is the commonest colour, the text the one farthest from it.
    const QImage shot = w->grab(c->geometry().adjusted(3, 3, -3, -3)).toImage();
    QHash<QRgb, int> counts;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            ++counts[shot.pixel(x, y)];
    const QRgb ground = std::max_element(counts.keyValueBegin(), counts.keyValueEnd(),
                                         [](const auto &a, const auto &b) { return a.second < b.second; })->first;
    double best = 1;
    for (auto it = counts.keyBegin(); it != counts.keyEnd(); ++it)
        best = std::max(best, virdo::contrast(QColor(*it), QColor(ground)));
    QVERIFY2(best >= floor, qPrintable(QStringLiteral("contrast %1 on %2").arg(best, 0, 'f', 2).arg(QColor(ground).name())));
}

QTEST_MAIN(TestWindowTables)
#include "tst_windowtables.moc"

