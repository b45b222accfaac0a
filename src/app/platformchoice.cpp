#include "app/platformchoice.h"

#include "app/displayserver.h"

#include <QByteArray>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QPluginLoader>
#include <QStringList>

#include <sys/stat.h>

namespace virdo {

namespace {

// Where Qt looks for its platform plugins, in its order.
QStringList platformPluginFolders()
{
    QStringList folders;
    const QString own = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
    if (!own.isEmpty())
        folders << own;
    const QStringList pluginPaths = qEnvironmentVariable("QT_PLUGIN_PATH").split(u':', Qt::SkipEmptyParts);
    for (const QString &path : pluginPaths)
        folders << path + QStringLiteral("/platforms");
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms");
    return folders;
}

// Read from the plugins' metadata, as Qt finds them, without loading any.
bool platformPluginInstalled(const QString &key)
{
    for (const QString &folder : platformPluginFolders()) {
        const QDir dir(folder);
        for (const QString &file : dir.entryList({QStringLiteral("*.so")}, QDir::Files)) {
            const QJsonObject metaData = QPluginLoader(dir.filePath(file)).metaData();
            const QJsonArray keys = metaData.value(QLatin1String("MetaData")).toObject().value(QLatin1String("Keys")).toArray();
            for (const QJsonValue &k : keys) {
                if (k.toString().compare(key, Qt::CaseInsensitive) == 0)
                    return true;
            }
        }
    }
    return false;
}

// The compositor's socket, where the Wayland client library looks for it.
bool waylandSocketExists()
{
    if (!qEnvironmentVariableIsEmpty("WAYLAND_SOCKET"))
        return true;
    struct stat status {};
    return ::stat(waylandSocketPath().constData(), &status) == 0 && S_ISSOCK(status.st_mode);
}

} // namespace

void chooseDisplayPlatform()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    const bool waylandSession = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland";
    if (!waylandSession || qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    if (waylandSocketExists() && platformPluginInstalled(QStringLiteral("wayland")))
        return;
    qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace virdo
