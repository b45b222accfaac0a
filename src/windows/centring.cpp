#include "windows/centring.h"

#include "windows/windowresources.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace virdo {

namespace {

// The window's frame as the window manager reports it; null while it is unknown (not
// shown yet) or when there is none (no window manager).
QMargins cadreConnu(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    if (!handle || !window->isVisible())
        return {};
    return handle->frameMargins();
}

// Where the frame's top-left corner goes for the window to be centred with that frame.
QPoint coinCentre(const QWidget *window, const QMargins &cadre)
{
    const QRect ecran = window->screen()->availableGeometry();
    QRect fenetre = QRect(QPoint(), window->size()).marginsAdded(cadre);
    fenetre.moveCenter(ecran.center());
    return placeInside(fenetre, ecran);
}

// Waits for the window's first paint, by which the window manager has framed it, and
// centres it again if its frame is not the one it was placed with.
class CadreAVerifier : public QObject
{
public:
    CadreAVerifier(QWidget *window, WindowResources &resources)
        : QObject(window)
        , m_resources(resources)
        , m_suppose(resources.expectedFrame())
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        auto *window = static_cast<QWidget *>(watched);
        const QMargins cadre = cadreConnu(window);
        if (!cadre.isNull()) {
            m_resources.setExpectedFrame(cadre);
            if (cadre != m_suppose)
                window->move(coinCentre(window, cadre));
        }
        window->removeEventFilter(this);
        deleteLater();
        return false;
    }

private:
    WindowResources &m_resources;
    QMargins m_suppose;
};

// Moves a shown window back inside the available area of its screen when it no longer fits.
void ramenerSurEcran(QWidget *window)
{
    if (!window->isVisible() || !window->screen())
        return;
    const QRect cadre = window->frameGeometry();
    const QPoint coin = placeInside(cadre, window->screen()->availableGeometry());
    if (coin != cadre.topLeft())
        window->move(coin);
}

// Brings its window back on screen when it is shown again and when a screen's available
// area changes, on any screen: a window may be moved to another one as its screen goes.
class GardeSurEcran : public QObject
{
public:
    explicit GardeSurEcran(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        window->installEventFilter(this);
        const auto surveiller = [this](QScreen *screen) {
            connect(screen, &QScreen::availableGeometryChanged, this, [this] { ramenerSurEcran(m_window); });
        };
        for (QScreen *screen : QGuiApplication::screens())
            surveiller(screen);
        connect(qGuiApp, &QGuiApplication::screenAdded, this, surveiller);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // Sent before the window reaches the screen: it comes up where it will stay.
        if (event->type() == QEvent::Show)
            ramenerSurEcran(m_window);
        return false;
    }

private:
    QWidget *m_window;
};

} // namespace

QPoint placeInside(const QRect &frame, const QRect &area)
{
    QRect inside = frame;
    inside.moveRight(std::min(inside.right(), area.right()));
    inside.moveBottom(std::min(inside.bottom(), area.bottom()));
    inside.moveLeft(std::max(inside.left(), area.left()));
    inside.moveTop(std::max(inside.top(), area.top()));
    return inside.topLeft();
}

QPoint placeClearOf(const QRect &frame, const QRect &area, const QRect &avoid)
{
    const QPoint inside = placeInside(frame, area);
    const auto covered = [&](const QPoint &corner) {
        const QRect overlap = QRect(corner, frame.size()) & avoid;
        return overlap.isEmpty() ? 0 : overlap.width() * overlap.height();
    };
    if (covered(inside) == 0)
        return inside;
    // The frame just past each side of AVOID, then kept inside the area.
    const QPoint sides[] = {
        {avoid.left() - frame.width(), inside.y()},
        {avoid.right() + 1, inside.y()},
        {inside.x(), avoid.top() - frame.height()},
        {inside.x(), avoid.bottom() + 1},
    };
    QPoint best = inside;
    for (const QPoint &side : sides) {
        const QPoint corner = placeInside(QRect(side, frame.size()), area);
        const bool better = covered(corner) < covered(best)
                || (covered(corner) == covered(best)
                    && (corner - inside).manhattanLength() < (best - inside).manhattanLength());
        if (better)
            best = corner;
    }
    return best;
}

void keepOnScreen(QWidget *window)
{
    new GardeSurEcran(window);
}

void centreOnScreen(QWidget *window, WindowResources &resources)
{
    if (!window->screen())
        return;
    // move() places a window's frame; before the window is shown, Qt hands the point to
    // the window manager as the frame's corner.
    QMargins cadre = cadreConnu(window);
    if (cadre.isNull()) {
        cadre = resources.expectedFrame();
        new CadreAVerifier(window, resources);
    }
    window->move(coinCentre(window, cadre));
}

} // namespace virdo
