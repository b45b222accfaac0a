#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace virdo {

// The game files are small; anything larger is not one of ours.
inline constexpr qint64 maxGameFileBytes = 32 * 1024 * 1024;

// The whole content of a game file, or std::nullopt when the file is missing or is not a
// regular file of at most maxGameFileBytes that can be read: a FIFO, a device or a folder
// under that name is refused without waiting on it. A refusal is reported in one line on
// stderr that names the file.
std::optional<QByteArray> readGameFile(const QString &path, qint64 maxBytes = maxGameFileBytes);

// For a file that was read but does not hold what its name says.
void reportUnreadable(const QString &path);

} // namespace virdo
