#include "media/picture.h"

#include <QDir>
#include <QImage>
#include <QImageReader>

namespace virdo {

std::optional<QPixmap> loadPicture(const QString &fileName)
{
    // Read through QImageReader rather than QPixmap::load: the latter answers from
    // QPixmapCache when the file keeps its size and modification second, so a picture
    // replaced on disk could show the old one.
    QImageReader reader(QDir::current().absoluteFilePath(fileName));
    // The content decides, so a picture saved under the wrong extension still shows.
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return QPixmap::fromImage(image);
}

} // namespace virdo
