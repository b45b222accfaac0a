#include "windows/screenfit.h"

#include "windows/gamewindow.h"

#include <QApplication>
#include <QMargins>
#include <QRect>
#include <QScreen>
#include <QSize>

#include <algorithm>

namespace virdo {

QScreen *screenForNewWindow(const QWidget *window)
{
    QScreen *found = nullptr;
    for (QWidget *other : QApplication::topLevelWidgets()) {
        if (other == window || !other->isVisible() || !qobject_cast<GameWindow *>(other))
            continue;
        if (!found || other->objectName() == QLatin1String("VIRDO"))
            found = other->screen();
    }
    return found ? found : QGuiApplication::primaryScreen();
}

double scaleToFit(const QSize &client, const QMargins &frame, const QRect &area, double smallest)
{
    if (client.isEmpty())
        return 1.0;
    const double across = double(area.width() - frame.left() - frame.right()) / client.width();
    const double down = double(area.height() - frame.top() - frame.bottom()) / client.height();
    return std::clamp(std::min(across, down), std::min(smallest, 1.0), 1.0);
}

QMargins assumedFrame()
{
    return {4, 30, 4, 4};
}

} // namespace virdo
