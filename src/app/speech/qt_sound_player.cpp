#include "app/speech/qt_sound_player.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

QtSoundPlayer::QtSoundPlayer(QObject* parent) : QObject(parent) {}

void QtSoundPlayer::Play(const std::string& file) {
    if (player_ == nullptr) {
        player_ = new QMediaPlayer(this);
        output_ = new QAudioOutput(this);
        player_->setAudioOutput(output_);
        connect(player_, &QMediaPlayer::mediaStatusChanged, this,
                [this](QMediaPlayer::MediaStatus status) {
                    if (status == QMediaPlayer::EndOfMedia ||
                        status == QMediaPlayer::InvalidMedia) {
                        emit Finished();
                    }
                });
    }
    player_->stop();
    player_->setSource(QUrl::fromLocalFile(QString::fromStdString(file)));
    player_->play();
}

void QtSoundPlayer::Stop() {
    if (player_ != nullptr) {
        player_->stop();
    }
}
