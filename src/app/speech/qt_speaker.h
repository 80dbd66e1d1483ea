#pragma once

#include "game/speaker.h"

#include <QObject>
#include <QStringList>

class QThread;
class SpeechEngine;

// The game's Speaker on the system's speech engine, which runs on its own thread. Until the
// engine has started, or when it cannot, nothing is said.
class QtSpeaker : public QObject, public Speaker {
    Q_OBJECT
public:
    explicit QtSpeaker(QObject* parent = nullptr);
    ~QtSpeaker() override;

    // Looks for the engine without waiting for it: Started or Unavailable tells the outcome.
    void Start();
    const QStringList& Locales() const { return locales_; }

    void Say(const Utterance& utterance) override;
    void Stop() override;

signals:
    void Started();
    void Unavailable(const QString& reason);
    void Finished();
    void Failed(const QString& reason);

private:
    QThread* thread_;
    SpeechEngine* engine_;
    QStringList locales_;
};
