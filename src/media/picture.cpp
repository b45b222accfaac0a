#include "media/picture.h"

#include "media/gamefile.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QImageReader>

namespace virdo {

std::optional<QPixmap> loadPicture(const QString &fileName)
{
    // Read fresh from disk each time (QPixmap::load would answer from QPixmapCache when the
    // file keeps its size and modification second), and only from a regular file.
    const QString path = QDir::current().absoluteFilePath(fileName);
    std::optional<QByteArray> bytes = readGameFile(path);
    if (!bytes)
        return std::nullopt;
    QBuffer buffer(&*bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // The content decides, so a picture saved under the wrong extension still shows.
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        reportUnreadable(path);
        return std::nullopt;
    }
    return QPixmap::fromImage(image);
}

void preparePictures()
{
    // The first decode of a game loads the image format plugins; do it before the first
    // victory, on a picture of nothing.
    QImageReader::supportedImageFormats();
}

} // namespace virdo
