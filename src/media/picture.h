#pragma once

#include <QPixmap>
#include <QString>

#include <optional>

namespace virdo {

// The picture in the file, named relative to the working directory at the moment of the call;
// std::nullopt when the file is missing or is not a picture Qt can read. Never shows a dialog.
std::optional<QPixmap> loadPicture(const QString &fileName);

} // namespace virdo
