#include "view/dialogs/picture_label.h"

#include "print/picture_file.h"

#include <QLabel>
#include <QPixmap>

void ShowPictureFile(QLabel& label, const std::string& file, int longestSide) {
    const QImage picture = file.empty() ? QImage() : ReadPictureFile(file, longestSide);
    label.setPixmap(QPixmap::fromImage(picture));
    label.setVisible(!picture.isNull());
}
