#pragma once

#include "game/sound_player.h"

#include <QObject>

class QAudioOutput;
class QMediaPlayer;

// The game's SoundPlayer on Qt Multimedia. The media back end starts with the first sound, so
// that a game without recordings never loads it.
class QtSoundPlayer : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    explicit QtSoundPlayer(QObject* parent = nullptr);

    void Play(const std::string& file) override;
    void Stop() override;
    // The player, once a sound has been asked for; null before.
    const QMediaPlayer* Player() const { return player_; }

signals:
    // A sound played to its end, or could not be played.
    void Finished();

private:
    QMediaPlayer* player_ = nullptr;
    QAudioOutput* output_ = nullptr;
};
