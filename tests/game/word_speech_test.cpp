#include "game/peek.h"
#include "game/word_speech.h"
#include "support/games.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class RecordingSpeaker : public Speaker {
public:
    void Say(const Utterance& u) override { calls.push_back(u.text + "/" + u.language); }
    void Stop() override { calls.push_back("stop"); }
    std::vector<std::string> calls;
};

// Row 4 of one level: pair 0 shows a0 at column 1 and b0 at column 3, pair 1 shows b1 at
// column 2 and a1 at column 4. The rules' events reach the speech as the view passes them on.
struct SpokenBoard : PlayBoard {
    SpokenBoard() : PlayBoard(2) {
        Put(0, 0, 1, 1, 4);
        Put(1, 1, 1, 2, 4);
        Put(0, 1, 1, 3, 4);
        Put(1, 0, 1, 4, 4);
        speech.SetLanguages({"es_ES", "en_GB"});
        speech.SetEnabled(true);
    }
    void Play(const std::function<void(SpokenBoard&)>& step) {
        const std::size_t seen = host.events.size();
        step(*this);
        for (std::size_t i = seen; i < host.events.size(); ++i) {
            speech.OnPlayEvent(host.events[i]);
        }
    }
    RecordingSpeaker speaker;
    WordSpeech speech{state, speaker};
};

using Step = std::function<void(SpokenBoard&)>;
Step Pick(int column) {
    return [column](SpokenBoard& b) { b.PressAt(column, 4); };
}
Step Peek(int column) {
    return [column](SpokenBoard& b) {
        RightButtonDown(b.state, b.host, PixelX(column), PixelY(4));
        RightButtonUp(b.state, b.host);
    };
}
const Step Idle = [](SpokenBoard& b) { b.speech.OnSpeakerIdle(); };
const Step SpeechOff = [](SpokenBoard& b) { b.speech.SetEnabled(false); };
// The translations' language is not known: they are not said, in any language.
const Step TranslationsUnknown = [](SpokenBoard& b) { b.speech.SetLanguages({"es_ES", ""}); };
Step Answer(const char* word, ListSide side) {
    return [word, side](SpokenBoard& b) { b.speech.SayWord(word, side); };
}

struct Case {
    const char* name;
    std::vector<Step> steps;
    std::vector<std::string> said;
};

TEST(WordSpeech, SaysEachWordInItsSidesLanguageAtTheRightMoment) {
    const Case cases[] = {
        {"a first pick says the tile's word", {Pick(1)}, {"a0/es_ES"}},
        {"a pick of a TextB tile speaks English", {Pick(2)}, {"b1/en_GB"}},
        {"a peek says the hidden partner", {Peek(1), Peek(2)}, {"b0/en_GB", "a1/es_ES"}},
        {"a deselection says nothing", {Pick(1), Pick(1)}, {"a0/es_ES"}},
        {"a match says the selected word, then its partner once the speaker is idle",
         {Pick(3), Pick(1), Idle, Idle},
         {"b0/en_GB", "b0/en_GB", "a0/es_ES"}},
        {"a wrong pick interrupts", {Pick(1), Pick(2)}, {"a0/es_ES", "stop"}},
        {"a new pick drops the partner still waiting",
         {Pick(1), Pick(3), Pick(2), Idle},
         {"a0/es_ES", "a0/es_ES", "b1/en_GB"}},
        {"switching off stops and forgets the partner",
         {Pick(1), Pick(3), SpeechOff, Idle, Pick(2), Peek(4)},
         {"a0/es_ES", "a0/es_ES", "stop"}},
        {"a typed round's right answer is said in its side's language, and not when off",
         {Answer("perro", ListSide::TextA), Answer("dog", ListSide::TextB), SpeechOff,
          Answer("gato", ListSide::TextA)},
         {"perro/es_ES", "dog/en_GB", "stop"}},
        {"a side of no known language is not said",
         {TranslationsUnknown, Pick(3), Pick(1), Idle, Answer("dog", ListSide::TextB)},
         {"stop", "stop", "a0/es_ES"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SpokenBoard board;
        for (const Step& step : c.steps) {
            board.Play(step);
        }
        EXPECT_EQ(board.speaker.calls, c.said);
    }
}

} // namespace
