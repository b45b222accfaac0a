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
QMargins knownFrame(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    if (!handle || !window->isVisible())
        return {};
    return handle->frameMargins();
}

// Where the frame's top-left corner goes for the window to be centred with that frame.
QPoint centredCorner(const QWidget *window, const QMargins &margins)
{
    const QRect area = window->screen()->availableGeometry();
    QRect frame = QRect(QPoint(), window->size()).marginsAdded(margins);
    frame.moveCenter(area.center());
    return placeInside(frame, area);
}

// Waits for the window's first paint, by which the window manager has framed it, and
// centres it again if its frame is not the one it was placed with.
class FrameCheck : public QObject
{
public:
    FrameCheck(QWidget *window, WindowResources &resources)
        : QObject(window)
        , m_resources(resources)
        , m_assumed(resources.expectedFrame())
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        auto *window = static_cast<QWidget *>(watched);
        const QMargins margins = knownFrame(window);
        if (!margins.isNull()) {
            m_resources.setExpectedFrame(margins);
            if (margins != m_assumed)
                window->move(centredCorner(window, margins));
        }
        window->removeEventFilter(this);
        deleteLater();
        return false;
    }

private:
    WindowResources &m_resources;
    QMargins m_assumed;
};

// Moves a shown window back inside the available area of its screen when it no longer fits.
void bringOnScreen(QWidget *window)
{
    if (!window->isVisible() || !window->screen())
        return;
    const QRect frame = window->frameGeometry();
    const QPoint corner = placeInside(frame, window->screen()->availableGeometry());
    if (corner != frame.topLeft())
        window->move(corner);
}

// Brings its window back on screen when it is shown again and when a screen's available
// area changes, on any screen: a window may be moved to another one as its screen goes.
class OnScreenGuard : public QObject
{
public:
    explicit OnScreenGuard(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        window->installEventFilter(this);
        const auto watch = [this](QScreen *screen) {
            connect(screen, &QScreen::availableGeometryChanged, this, [this] { bringOnScreen(m_window); });
        };
        for (QScreen *screen : QGuiApplication::screens())
            watch(screen);
        connect(qGuiApp, &QGuiApplication::screenAdded, this, watch);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // Sent before the window reaches the screen: it comes up where it will stay.
        if (event->type() == QEvent::Show)
            bringOnScreen(m_window);
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
    new OnScreenGuard(window);
}

void centreOnScreen(QWidget *window, WindowResources &resources)
{
    if (!window->screen())
        return;
    // move() places a window's frame; before the window is shown, Qt hands the point to
    // the window manager as the frame's corner.
    QMargins margins = knownFrame(window);
    if (margins.isNull()) {
        margins = resources.expectedFrame();
        new FrameCheck(window, resources);
    }
    window->move(centredCorner(window, margins));
}

} // namespace virdo
