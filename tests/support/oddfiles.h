#pragma once

// What stands under a game file's name when a family's computer is not what the game
// expects: bytes that are no known format, or something that is no regular file at all.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <sys/stat.h>

namespace oddfiles {

// The same bytes every run, with no header any reader knows.
inline QByteArray noise(qsizetype size)
{
    QByteArray bytes(size, '\0');
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char((i * 7919 + 13) % 251);
    return bytes;
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// KIND is "fifo" (opening it would wait for a writer), "folder", or "device" (it would read
// without end); anything else is a regular file holding BYTES.
inline bool place(const QString &kind, const QString &path, const QByteArray &bytes = {})
{
    if (kind == QLatin1String("fifo"))
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    if (kind == QLatin1String("folder"))
        return QFileInfo(path).dir().mkdir(QFileInfo(path).fileName());
    if (kind == QLatin1String("device"))
        return QFile::link(QStringLiteral("/dev/zero"), path);
    return writeFile(path, bytes);
}

} // namespace oddfiles
