#pragma once

#include <QPixmap>
#include <QString>

#include <optional>

namespace virdo {

// The picture in the file, named relative to the working directory at the moment of the call;
// std::nullopt when the file is missing, is not a regular file, or is not a picture Qt can
// read, said in one line on stderr. Never shows a dialog.
std::optional<QPixmap> loadPicture(const QString &fileName);

// Loads what the first picture of a game would otherwise load at the victory. Once is
// enough: the loaded decoders stay for the whole process.
void preparePictures();

} // namespace virdo
