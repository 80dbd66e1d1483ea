#include "print/picture_file.h"

#include <QImageReader>

namespace {
// Megabytes a decoded picture may take: MaxPicturePixels at four bytes a pixel.
constexpr int AllocationLimitMb = 200;
} // namespace

QImage ReadPictureFile(const std::string& path, int longestSide) {
    QImageReader reader(QString::fromStdString(path));
    reader.setAllocationLimit(AllocationLimitMb);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() ||
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
