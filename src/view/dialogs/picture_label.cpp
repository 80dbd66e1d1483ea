#include "view/dialogs/picture_label.h"

#include "print/picture_file.h"

#include <QIcon>
#include <QLabel>
#include <QPixmap>

namespace {
QPixmap PictureFilePixmap(const std::string& file, int longestSide) {
    return QPixmap::fromImage(file.empty() ? QImage() : ReadPictureFile(file, longestSide));
}
} // namespace

void ShowPictureFile(QLabel& label, const std::string& file, int longestSide) {
    const QPixmap picture = PictureFilePixmap(file, longestSide);
    label.setPixmap(picture);
    label.setVisible(!picture.isNull());
}

QIcon PictureFileIcon(const std::string& file, int longestSide) {
    const QPixmap picture = PictureFilePixmap(file, longestSide);
    return picture.isNull() ? QIcon() : QIcon(picture);
}
