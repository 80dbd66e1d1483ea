#pragma once

#include "game/play_event.h"
#include "game/speaker.h"
#include "words/list_languages.h"
#include "words/list_side.h"

#include <optional>
#include <utility>

struct GameState;

// Decides what play says aloud: the picked tile's word, the partner's word during a peek, and
// both words of a matched pair, one after the other. Off until switched on.
class WordSpeech {
public:
    WordSpeech(const GameState& state, Speaker& speaker) : state_(state), speaker_(speaker) {}

    // Off also silences what is being said.
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }
    // The locale names each side is spoken in; a side without one is not spoken.
    void SetLanguages(ListLanguages languages) { languages_ = std::move(languages); }
    const ListLanguages& Languages() const { return languages_; }

    void OnPlayEvent(const PlayEvent& event);
    // Says a word of the given side now, as the typing round does with each right answer.
    void SayWord(const std::string& word, ListSide side);
    // The speaker has finished what it was saying: the partner of a matched pair comes next.
    void OnSpeakerIdle();

private:
    void Interrupt();
    // The word of one side of a pair, in that side's language; nullopt when the pair lacks it.
    std::optional<Utterance> WordOf(std::int32_t pair, bool textB) const;
    void SayNow(std::optional<Utterance> utterance);

    const GameState& state_;
    Speaker& speaker_;
    ListLanguages languages_;
    bool enabled_ = false;
    std::optional<Utterance> next_;
};
