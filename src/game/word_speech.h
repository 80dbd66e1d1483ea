#pragma once

#include "game/play_event.h"
#include "game/sound_player.h"
#include "game/speaker.h"
#include "words/list_languages.h"
#include "words/list_side.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>

struct GameState;

// Decides what play says aloud: the picked tile's word, the partner's word during a peek, and
// both words of a matched pair, one after the other. A side's own recording, when sounds are
// on, takes the place of its spoken word. Both are off until switched on.
class WordSpeech {
public:
    // The file a side's line refers to for its sound, when it may be played.
    using SoundFinder = std::function<std::optional<std::string>(const std::string& line)>;

    WordSpeech(const GameState& state, Speaker& speaker) : state_(state), speaker_(speaker) {}

    // Off also silences what is being said.
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }
    // The locale names each side is spoken in; a side without one is not spoken.
    void SetLanguages(ListLanguages languages) { languages_ = std::move(languages); }
    const ListLanguages& Languages() const { return languages_; }
    // What plays the sides' recordings, and which file a side's line may play.
    void SetSounds(SoundPlayer* player, SoundFinder finder);
    // Off also silences what is playing.
    void SetSoundsEnabled(bool enabled);

    void OnPlayEvent(const PlayEvent& event);
    // Says a word of the given side now, as the typing round does with each right answer.
    void SayWord(const std::string& word, ListSide side);
    // Plays a side now, as a player asks for it, whatever is on: its recording `file`, else its
    // words; false when it has neither.
    bool Voice(const std::string& file, const std::string& word, ListSide side);
    // The speaker or the player has finished: the partner of a matched pair comes next.
    void OnSpeakerIdle() { OnIdle(Device::Speaker); }
    void OnPlayerIdle() { OnIdle(Device::Player); }

private:
    enum class Device { None, Speaker, Player };
    // What a side sounds like: its recording, else its words in its language.
    struct Sound {
        std::string file;
        Utterance words;
    };

    void Interrupt();
    void OnIdle(Device device);
    // How a side's line sounds with what is on; nullopt when it stays silent.
    std::optional<Sound> SoundOf(const std::string& line, bool textB) const;
    // The side's words in its language; nullopt without either.
    std::optional<Sound> WordsOf(std::string word, bool textB) const;
    std::optional<Sound> SoundOf(std::int32_t pair, bool textB) const;
    void SayNow(std::optional<Sound> sound);

    const GameState& state_;
    Speaker& speaker_;
    SoundPlayer* player_ = nullptr;
    SoundFinder findSound_;
    ListLanguages languages_;
    bool enabled_ = false;
    bool soundsEnabled_ = false;
    // Which of the two is sounding now: only its end lets the partner follow.
    Device sounding_ = Device::None;
    std::optional<Sound> next_;
};
