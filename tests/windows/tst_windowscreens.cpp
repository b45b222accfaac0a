// The windows on two monitors, the primary on the right at scale 2 (1366 x 768, so 683 x 384
// for the windows) and a lower one on the left (two-screens.json, Qt's offscreen screens):
// each window opens on the game's monitor, whole, at a size that fits it.

#include "openwindow.h"

#include "windows/centring.h"
#include "windows/fonts.h"
#include "windows/window.h"
#include "windows/windowresources.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

class TestWindowScreens : public QObject
{
    Q_OBJECT

    static QScreen *screenNamed(const char *name)
    {
        for (QScreen *screen : QGuiApplication::screens()) {
            if (screen->name() == QLatin1String(name))
                return screen;
        }
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        virdo::installFontSubstitutions();
        if (!screenNamed("b-left-lower") || QGuiApplication::primaryScreen() != screenNamed("a-primary-right"))
            QSKIP("needs QT_QPA_PLATFORM=offscreen:configfile=two-screens.json");
    }

    void cleanup()
    {
        DRIVER_NO_WINDOW_LEFT();
    }

    // Smaller than designed, fonts and places in the same proportion, its frame inside the screen.
    void mainWindowFitsThePrimary()
    {
        virdo::VirdoWindow w(m_ressources);
        virdo::centreOnScreen(&w, m_ressources);
        QVERIFY(showWindow(&w));
        QCOMPARE(w.screen(), QGuiApplication::primaryScreen());
        DRIVER_STEP(frameOutside(&w, w.screen()->availableGeometry()));
        const double scale = w.width() / 717.0;
        QVERIFY2(scale < 0.96 && scale > 0.9, qPrintable(QString::number(scale)));
        QWidget *fin = w.control(VirdoControl::FIN);
        QCOMPARE(fin->x(), qRound(496 * scale));
        QCOMPARE(fin->width(), qRound(105 * scale));
        QCOMPARE(fin->font().pointSizeF(), 14.25 * scale);
        // Every label still shows all its lines: Liste its eight digits.
        for (const QLabel *label : w.findChildren<QLabel *>())
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(label->objectName()));
    }

    // The replay and victory windows, and the main window of the next game, open on the monitor
    // the game is on, not on the one under 0,0, nor always on the primary.
    void windowsFollowTheMainWindow_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("monitor");
        for (const char *window : {"Rejouer", "Eureka", "VIRDO"}) {
            QTest::addRow("%s beside it on the primary", window) << window << "a-primary-right";
            QTest::addRow("%s beside it on the left", window) << window << "b-left-lower";
        }
    }

    void windowsFollowTheMainWindow()
    {
        QFETCH(QString, window);
        QFETCH(QString, monitor);
        QScreen *screen = screenNamed(qPrintable(monitor));
        virdo::VirdoWindow principale(m_ressources);
        principale.setScreen(screen);
        principale.move(screen->availableGeometry().topLeft() + QPoint(20, 20));
        QVERIFY(showWindow(&principale));
        QCOMPARE(principale.screen(), screen);

        const auto w = driver::newWindow(window, m_ressources);
        QCOMPARE(w->screen(), screen);
        if (window == QLatin1String("Eureka")) {
            static_cast<virdo::EurekaWindow *>(w.get())->showClearOf(principale.control(VirdoControl::FIN));
        } else {
            virdo::centreOnScreen(w.get(), m_ressources);
            w->show();
        }
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QCOMPARE(w->screen(), screen);
        DRIVER_STEP(frameOutside(w.get(), screen->availableGeometry()));
    }

    // Left over FIN (the player moved it there, a game ago), the victory window comes up clear of
    // it and inside the screen.
    void victoryWindowLeavesFinInSight()
    {
        virdo::VirdoWindow principale(m_ressources);
        virdo::centreOnScreen(&principale, m_ressources);
        QVERIFY(showWindow(&principale));
        QWidget *fin = principale.control(VirdoControl::FIN);
        fin->show();
        const QRect finOnScreen(fin->mapToGlobal(QPoint()), fin->size());

        virdo::EurekaWindow eureka(m_ressources);
        eureka.showClearOf(fin);
        QVERIFY(QTest::qWaitForWindowExposed(&eureka));
        eureka.hide();
        eureka.move(finOnScreen.topLeft() - QPoint(100, 100));
        eureka.showClearOf(fin);
        QVERIFY(QTest::qWaitForWindowExposed(&eureka));
        QVERIFY(!eureka.frameGeometry().intersects(finOnScreen));
        DRIVER_STEP(frameOutside(&eureka, principale.screen()->availableGeometry()));
    }

private:
    virdo::WindowResources m_ressources;
};

QTEST_MAIN(TestWindowScreens)
#include "tst_windowscreens.moc"
