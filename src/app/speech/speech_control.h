#pragma once

#include "app/speech/qt_speaker.h"
#include "game/word_speech.h"

#include <QObject>

#include <set>
#include <string>

class GameInPlay;
class QAction;
struct PlayEvent;

// View > Speak Words and Tools > Languages…: hears play through the game's events and speaks
// through the system's engine while the player wants it and the engine works.
class SpeechControl : public QObject {
    Q_OBJECT
public:
    SpeechControl(GameInPlay& game, QAction& speakWords, QAction& languages);

    const WordSpeech& Speech() const { return speech_; }
    // Whether the engine answered and offers its languages.
    bool EngineStarted() const { return engineStarted_; }

public slots:
    // Says a word of the list in play in its side's language, when speech is on.
    void SayWord(const std::string& word, ListSide side) { speech_.SayWord(word, side); }

private:
    // Connecting to the engine costs seconds on a slow machine: only once speech may be wanted.
    void StartEngine();
    void OnEngineStarted();
    void OnEngineUnavailable(const QString& reason);
    void OnEngineFailed(const QString& reason);
    void OnPlayEvent(const PlayEvent& event);
    void ChooseLanguages();
    // Each side's language for the list in play; a side in doubt is not spoken, and a note
    // asks for its language once a list.
    void UpdateLanguages();

    GameInPlay& game_;
    QAction& speakWords_;
    QAction& languages_;
    QtSpeaker speaker_;
    WordSpeech speech_;
    bool engineStarting_ = false;
    bool engineStarted_ = false;
    // The lists whose languages were asked for.
    std::set<std::string> asked_;
};
