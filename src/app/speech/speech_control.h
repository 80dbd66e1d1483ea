#pragma once

#include "app/speech/qt_sound_player.h"
#include "app/speech/qt_speaker.h"
#include "game/word_speech.h"

#include <QObject>

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>

class GameInPlay;
class QAction;
struct PlayEvent;

// View > Speak Words, View > Play Sounds and Tools > Languages…: hears play through the game's
// events and speaks through the system's engine while the player wants it and the engine works,
// or plays a side's own recording.
class SpeechControl : public QObject {
    Q_OBJECT
public:
    SpeechControl(GameInPlay& game, QAction& speakWords, QAction& playSounds, QAction& languages);

    const WordSpeech& Speech() const { return speech_; }
    // Whether the engine answered and offers its languages.
    bool EngineStarted() const { return engineStarted_; }

    // Plays the sides' recordings through `player` from now on, as tests do to hear them.
    void UseSoundPlayer(std::unique_ptr<SoundPlayer> player);

public slots:
    // Plays a side as the player asks for it: its recording `file`, else its words, starting
    // the engine for them.
    void Listen(const std::string& file, const std::string& word, ListSide side);
    // Says a word of the list in play in its side's language, when speech is on.
    void SayWord(const std::string& word, ListSide side) { speech_.SayWord(word, side); }
    // The player has played its sound to the end: a matched pair's partner comes next.
    void OnSoundPlayed() { speech_.OnPlayerIdle(); }

private:
    // Connecting to the engine costs seconds on a slow machine: only once speech may be wanted.
    void StartEngine();
    void OnEngineStarted();
    void OnEngineUnavailable(const QString& reason);
    void OnEngineFailed(const QString& reason);
    void OnPlayEvent(const PlayEvent& event);
    void ChooseLanguages();
    // A list with recordings plays them, one without does not, until the player says otherwise.
    void UpdatePlaySounds();
    // Each side's language for the list in play; a side in doubt is not spoken, and a note
    // asks for its language once a list.
    void UpdateLanguages();

    GameInPlay& game_;
    QAction& speakWords_;
    QAction& playSounds_;
    QAction& languages_;
    QtSpeaker speaker_;
    std::unique_ptr<SoundPlayer> player_;
    // A word to say once the engine it waits for has started.
    std::optional<std::pair<std::string, ListSide>> waitingWord_;
    // The list Play Sounds was last set for.
    std::string soundsList_;
    WordSpeech speech_;
    bool engineStarting_ = false;
    bool engineStarted_ = false;
    // The lists whose languages were asked for.
    std::set<std::string> asked_;
};
