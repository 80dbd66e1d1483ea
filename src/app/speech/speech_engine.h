#pragma once

#include <QObject>
#include <QStringList>

#include <memory>

class QTextToSpeech;

// The system's speech engine, run on a thread of its own: connecting to speech-dispatcher can
// take many seconds, or hang when the server does, and the board must not wait for it.
class SpeechEngine : public QObject {
    Q_OBJECT
public:
    SpeechEngine();
    ~SpeechEngine() override;

public slots:
    void Start();
    // Interrupts what is being said. The locale is a name such as "es_ES"; without a voice
    // for it, the closest one of the same language speaks, else the current one.
    void Say(const QString& text, const QString& locale);
    void Stop();

signals:
    // The engine works; the locales it has voices for.
    void Started(const QStringList& locales);
    void Unavailable(const QString& reason);
    // What was said last has been said to its end.
    void Finished();
    void Failed(const QString& reason);

private:
    void OnStateChanged(int state);
    // True when the engine has a voice for the locale, or one of its language, and now uses it.
    bool TakeLocale(const QString& locale);

    std::unique_ptr<QTextToSpeech> engine_;
    // A stop reports Ready for the words it cut short; only the end of the newest words counts.
    bool awaitingSpeech_ = false;
};
