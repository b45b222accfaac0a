#include "media/picture.h"

#include "media/gamefile.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QImageReader>

namespace virdo {

namespace {

// The content decides, so a picture saved under the wrong extension still shows.
QImage decode(QByteArray &bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

} // namespace

std::optional<QPixmap> loadPicture(const QString &fileName)
{
    // Read fresh from disk each time (QPixmap::load would answer from QPixmapCache when the
    // file keeps its size and modification second), and only from a regular file.
    const QString path = QDir::current().absoluteFilePath(fileName);
    std::optional<QByteArray> bytes = readGameFile(path);
    if (!bytes)
        return std::nullopt;
    const QImage image = decode(*bytes);
    if (image.isNull()) {
        reportUnreadable(path);
        return std::nullopt;
    }
    return QPixmap::fromImage(image);
}

void preparePictures()
{
    // The first decode of the process loads the image format plugins and asks each whether
    // it knows the content: pay that before the first victory, on a BMP of one pixel.
    QByteArray bmp;
    QBuffer out(&bmp);
    out.open(QIODevice::WriteOnly);
    QImage(1, 1, QImage::Format_RGB32).save(&out, "BMP");
    QPixmap::fromImage(decode(bmp));
}

} // namespace virdo
