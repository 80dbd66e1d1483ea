#include "view/board/side_pictures.h"

#include "print/picture_file.h"

namespace {

// A side's picture is kept decoded at most this large a side: enough for the tile at the
// largest zoom on a high-density screen, and little memory for a list of many.
constexpr int KeptPictureSide = 512;
// Past these, a cache starts afresh rather than grow with every list of a session.
constexpr std::size_t MostDecoded = 2048;
constexpr std::size_t MostScaled = 1024;

std::string Key(std::string_view reference, std::string_view listPath) {
    std::string key(listPath);
    key += '\0';
    key += reference;
    return key;
}

template <typename Map> void MakeRoom(Map& map, std::size_t most) {
    if (map.size() >= most) {
        map.clear();
    }
}

} // namespace

QRectF FittedRect(QSizeF picture, const QRectF& box) {
    if (picture.isEmpty() || box.isEmpty()) {
        return {};
    }
    const QSizeF shown = picture.scaled(box.size(), Qt::KeepAspectRatio);
    return {box.left() + (box.width() - shown.width()) / 2,
            box.top() + (box.height() - shown.height()) / 2, shown.width(), shown.height()};
}

SidePictures::SidePictures(MediaFinder finder) : finder_(std::move(finder)) {}

void SidePictures::SetFinder(MediaFinder finder) {
    finder_ = std::move(finder);
    Forget();
}

void SidePictures::Forget() {
    decoded_.clear();
    scaled_.clear();
    playable_.clear();
}

const QImage& SidePictures::Decoded(std::string_view reference, std::string_view listPath) {
    std::string key = Key(reference, listPath);
    if (const auto known = decoded_.find(key); known != decoded_.end()) {
        return known->second;
    }
    MakeRoom(decoded_, MostDecoded);
    const std::string path =
        finder_ ? finder_(reference, MediaKind::Picture, listPath) : std::string();
    QImage picture = path.empty() ? QImage() : ReadPictureFile(path, KeptPictureSide);
    if (!picture.isNull()) {
        picture.convertTo(QImage::Format_ARGB32_Premultiplied);
    }
    return decoded_.emplace(std::move(key), std::move(picture)).first->second;
}

const QImage& SidePictures::Fitted(std::string_view reference, std::string_view listPath,
                                   QSize box) {
    std::string key = Key(reference, listPath);
    key += '\0';
    key += std::to_string(box.width()) + 'x' + std::to_string(box.height());
    if (const auto known = scaled_.find(key); known != scaled_.end()) {
        return known->second;
    }
    const QImage& decoded = Decoded(reference, listPath);
    QImage scaled;
    if (!decoded.isNull() && !box.isEmpty()) {
        const QSize size = FittedRect(decoded.size(), QRectF(QPointF(), box)).size().toSize();
        scaled = decoded.scaled(size.expandedTo(QSize(1, 1)), Qt::IgnoreAspectRatio,
                                Qt::SmoothTransformation);
    }
    MakeRoom(scaled_, MostScaled);
    return scaled_.emplace(std::move(key), std::move(scaled)).first->second;
}

bool SidePictures::Plays(std::string_view reference, std::string_view listPath) {
    std::string key = Key(reference, listPath);
    if (const auto known = playable_.find(key); known != playable_.end()) {
        return known->second;
    }
    MakeRoom(playable_, MostDecoded);
    const bool plays = finder_ && !finder_(reference, MediaKind::Sound, listPath).empty();
    return playable_.emplace(std::move(key), plays).first->second;
}
