#include "windows/windowresources.h"

namespace virdo {

QIcon WindowResources::icon(const char *path)
{
    const QString name = QString::fromUtf8(path);
    auto found = m_icons.constFind(name);
    if (found == m_icons.cend())
        found = m_icons.insert(name, QIcon(name));
    return *found;
}

} // namespace virdo
