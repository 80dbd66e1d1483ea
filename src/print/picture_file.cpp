#include "print/picture_file.h"

#include <QIODevice>
#include <QImageReader>

#include <algorithm>

namespace {
// Megabytes a decoded picture may take: MaxPicturePixels at four bytes a pixel.
constexpr int AllocationLimitMb = 200;
// Where a JPEG's end marker may lie: some cameras write a little after it.
constexpr qint64 JpegEndReach = 4096;

// A JPEG cut short still decodes, grey where its end is missing; its end marker tells. Inside
// the picture data a 0xFF byte is always followed by 0 or a restart marker, never by 0xD9.
bool JpegCutShort(QImageReader& reader) {
    if (reader.format() != "jpeg") {
        return false;
    }
    QIODevice* file = reader.device();
    const qint64 size = file->size();
    const qint64 was = file->pos();
    const bool sought = file->seek(std::max<qint64>(0, size - JpegEndReach));
    const bool ended = sought && file->read(JpegEndReach).contains("\xFF\xD9");
    file->seek(was);
    return !ended;
}
} // namespace

QImage ReadPictureFile(const std::string& path, int longestSide) {
    QImageReader reader(QString::fromStdString(path));
    reader.setAllocationLimit(AllocationLimitMb);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() || JpegCutShort(reader) ||
        static_cast<qint64>(size.width()) * size.height() > MaxPicturePixels) {
        return {};
    }
    if (std::max(size.width(), size.height()) > longestSide) {
        // Decoding straight to the smaller size saves the memory of the whole picture where
        // the format allows it (JPEG).
        reader.setScaledSize(size.scaled(longestSide, longestSide, Qt::KeepAspectRatio));
    }
    QImage image = reader.read();
    if (!image.isNull() && std::max(image.width(), image.height()) > longestSide) {
        image =
            image.scaled(longestSide, longestSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return image;
}
