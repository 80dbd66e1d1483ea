#include "app/qt_speaker.h"

#include "app/speech_engine.h"
#include "view/board_painter.h"

#include <QThread>

namespace {

// How long closing waits for an engine that is stuck talking to its server.
constexpr int EngineShutdownMilliseconds = 2000;

} // namespace

QtSpeaker::QtSpeaker(QObject* parent)
    : QObject(parent), thread_(new QThread), engine_(new SpeechEngine) {
    engine_->moveToThread(thread_);
    connect(thread_, &QThread::finished, engine_, &QObject::deleteLater);
    connect(engine_, &SpeechEngine::Started, this, [this](const QStringList& locales) {
        locales_ = locales;
        emit Started();
    });
    connect(engine_, &SpeechEngine::Unavailable, this, &QtSpeaker::Unavailable);
    connect(engine_, &SpeechEngine::Finished, this, &QtSpeaker::Finished);
    connect(engine_, &SpeechEngine::Failed, this, &QtSpeaker::Failed);
    thread_->start();
}

QtSpeaker::~QtSpeaker() {
    thread_->quit();
    if (thread_->wait(EngineShutdownMilliseconds)) {
        delete thread_;
    }
    // Otherwise the engine hangs in its server; the thread is left to end with the program,
    // since deleting a running thread would abort it.
}

void QtSpeaker::Start() {
    QMetaObject::invokeMethod(engine_, &SpeechEngine::Start, Qt::QueuedConnection);
}

void QtSpeaker::Say(const Utterance& utterance) {
    const QString text = DecodeWord(utterance.text);
    const QString locale = QString::fromStdString(utterance.language);
    QMetaObject::invokeMethod(
        engine_, [engine = engine_, text, locale] { engine->Say(text, locale); },
        Qt::QueuedConnection);
}

void QtSpeaker::Stop() {
    QMetaObject::invokeMethod(engine_, &SpeechEngine::Stop, Qt::QueuedConnection);
}
