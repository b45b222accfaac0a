#include "windows/centring.h"

#include <QEvent>
#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace virdo {

namespace {

// The frame of the last game window the window manager framed. A window not yet shown
// has none; it will most likely get the same one.
QMargins cadreAttendu;

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
    fenetre.moveLeft(std::max(fenetre.left(), ecran.left()));
    fenetre.moveTop(std::max(fenetre.top(), ecran.top()));
    return fenetre.topLeft();
}

// Waits for the window's first paint, by which the window manager has framed it, and
// centres it again if its frame is not the one it was placed with.
class CadreAVerifier : public QObject
{
public:
    CadreAVerifier(QWidget *window, const QMargins &suppose)
        : QObject(window)
        , m_suppose(suppose)
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
            cadreAttendu = cadre;
            if (cadre != m_suppose)
                window->move(coinCentre(window, cadre));
        }
        window->removeEventFilter(this);
        deleteLater();
        return false;
    }

private:
    QMargins m_suppose;
};

} // namespace

void centreOnScreen(QWidget *window)
{
    if (!window->screen())
        return;
    // move() places a window's frame; before the window is shown, Qt hands the point to
    // the window manager as the frame's corner.
    QMargins cadre = cadreConnu(window);
    if (cadre.isNull()) {
        cadre = cadreAttendu;
        new CadreAVerifier(window, cadre);
    }
    window->move(coinCentre(window, cadre));
}

} // namespace virdo
