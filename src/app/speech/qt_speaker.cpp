#include "app/speech/qt_speaker.h"

#include "app/speech/speech_engine.h"
#include "view/board/board_painter.h"

#include <QThread>

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
    // After whatever was asked of it before, the engine stops talking and its thread ends,
    // deleting it there. The wait has no limit: both are gone before the application is.
    QMetaObject::invokeMethod(
        engine_,
        [engine = engine_] {
            engine->Stop();
            engine->thread()->quit();
        },
        Qt::QueuedConnection);
    thread_->wait();
    delete thread_;
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
