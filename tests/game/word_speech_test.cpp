#include "game/peek.h"
#include "game/word_speech.h"
#include "support/games.h"
#include "words/side_line.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class RecordingSpeaker : public Speaker {
public:
    void Say(const Utterance& u) override { calls.push_back(u.text + "/" + u.language); }
    void Stop() override { calls.push_back("stop"); }
    std::vector<std::string> calls;
};

// Records into the speaker's list, so that a case reads both in the order they happened.
class RecordingPlayer : public SoundPlayer {
public:
    explicit RecordingPlayer(std::vector<std::string>& calls) : calls_(calls) {}
    void Play(const std::string& file) override { calls_.push_back("play " + file); }
    void Stop() override { calls_.push_back("halt"); }

private:
    std::vector<std::string>& calls_;
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

// The same board, where a0 and b1 have recordings and b0 refers to one that cannot be played.
struct SoundBoard : SpokenBoard {
    SoundBoard() {
        state.WordList[0] = WordPair{"a0 [sound=a0.ogg]", "b0 [sound=gone.ogg]"};
        state.WordList[1].TextB = "[sound=b1.wav]";
        speech.SetSounds(&player, [](const std::string& line) -> std::optional<std::string> {
            const std::string file = ParseSide(line).sound;
            if (file.empty() || file == "gone.ogg") {
                return std::nullopt;
            }
            return "/lists/" + file;
        });
        speaker.calls.clear();
    }
    RecordingPlayer player{speaker.calls};
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
const Step SpeakerIdle = Idle;
const Step PlayerIdle = [](SpokenBoard& b) { b.speech.OnPlayerIdle(); };
const Step SoundsOn = [](SpokenBoard& b) { b.speech.SetSoundsEnabled(true); };
const Step SoundsOff = [](SpokenBoard& b) { b.speech.SetSoundsEnabled(false); };
Step Listen(const char* file, const char* word, ListSide side, bool heard) {
    return [=](SpokenBoard& b) { EXPECT_EQ(b.speech.Voice(file, word, side), heard); };
}
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

TEST(WordSpeech, PlaysASidesRecordingInPlaceOfItsWordWhenSoundsAreOn) {
    const Case cases[] = {
        {"sounds off, speech on: the words only", {Pick(1)}, {"a0/es_ES"}},
        {"a pick plays its file", {SoundsOn, Pick(1)}, {"play /lists/a0.ogg"}},
        {"a side without a usable file is spoken", {SoundsOn, Pick(3)}, {"b0/en_GB"}},
        {"a match plays the first file, then speaks its partner once the player is done",
         {SoundsOn, Pick(1), Pick(3), SpeakerIdle, PlayerIdle, PlayerIdle},
         {"play /lists/a0.ogg", "play /lists/a0.ogg", "b0/en_GB"}},
        {"the partner's file follows the end of the first side's speech",
         {SoundsOn, Pick(4), Pick(2), PlayerIdle, SpeakerIdle},
         {"a1/es_ES", "a1/es_ES", "play /lists/b1.wav"}},
        {"a file stops the speech still going, and speech the file",
         {SoundsOn, Pick(2), Pick(2), Pick(4), Pick(4), Pick(2)},
         {"play /lists/b1.wav", "halt", "a1/es_ES", "stop", "play /lists/b1.wav"}},
        {"sounds off silences the player and forgets the partner",
         {SoundsOn, Pick(1), Pick(3), SoundsOff, PlayerIdle},
         {"play /lists/a0.ogg", "play /lists/a0.ogg", "stop", "halt"}},
        {"a listening question plays its file, or says its words, with both off",
         {SpeechOff, Listen("/lists/b1.wav", "", ListSide::TextB, true),
          Listen("", "hola", ListSide::TextA, true), Listen("", "", ListSide::TextA, false),
          TranslationsUnknown, Listen("", "dog", ListSide::TextB, false)},
         {"stop", "halt", "play /lists/b1.wav", "halt", "hola/es_ES", "stop", "halt", "stop",
          "halt"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SoundBoard board;
        for (const Step& step : c.steps) {
            board.Play(step);
        }
        EXPECT_EQ(board.speaker.calls, c.said);
    }
}

} // namespace
