#include "app/guideshortcut.h"
#include "config.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>

#include <utility>

namespace virdo {

namespace {

void dropMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

// The desktop's services. Where they find no browser, Qt says so in a line of its own, in
// English; the game says it in its one French line instead. The handler is the process's,
// for the few milliseconds of the call.
bool openInBrowser(const QUrl &url)
{
    const QtMessageHandler previous = qInstallMessageHandler(dropMessage);
    const bool opened = QDesktopServices::openUrl(url);
    qInstallMessageHandler(previous);
    return opened;
}

} // namespace

GuideShortcut::GuideShortcut(QUrl guide, Opener open)
    : m_guide(std::move(guide))
    , m_open(open ? std::move(open) : Opener(openInBrowser))
{
}

QUrl GuideShortcut::find(const QString &programDir)
{
    for (const char *relative : {VIRDO_PROGRAM_TO_GUIDE, "doc/guide.html"}) {
        const QFileInfo page(programDir + u'/' + QString::fromUtf8(relative));
        if (page.isFile())
            return QUrl::fromLocalFile(page.canonicalFilePath());
    }
    return {};
}

bool GuideShortcut::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<const QKeyEvent *>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
        return QObject::eventFilter(watched, event);
    // Held down, the key repeats: one page, not one per repeat.
    if (!key->isAutoRepeat())
        open();
    // Taken here, so that no window sees it, and it is seen once on its way to a widget.
    return true;
}

void GuideShortcut::open() const
{
    if (m_guide.isEmpty()) {
        qWarning("le guide pour les parents et les enseignants n'est pas installé (touche F1)");
        return;
    }
    if (!m_open(m_guide))
        qWarning("aucun navigateur n'a pu ouvrir le guide : %s", qUtf8Printable(m_guide.toLocalFile()));
}

} // namespace virdo
