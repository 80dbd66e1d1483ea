#include "game/word_speech.h"

#include "game/board_geometry.h"
#include "game/game_state.h"
#include "words/side_line.h"

namespace {

bool ShowsTextB(const GameState& state, std::int32_t cell) {
    return cell >= 0 && static_cast<std::size_t>(cell) < state.AssignmentAB.size() &&
           state.AssignmentAB[static_cast<std::size_t>(cell)] != 0;
}

} // namespace

void WordSpeech::SetEnabled(bool enabled) {
    if (enabled_ && !enabled) {
        Interrupt();
    }
    enabled_ = enabled;
}

void WordSpeech::OnPlayEvent(const PlayEvent& event) {
    if (!enabled_) {
        return;
    }
    const bool textB = ShowsTextB(state_, event.firstCell);
    switch (event.kind) {
    case PlayEventKind::TileSelected:
        SayNow(WordOf(PairAt(state_, event.firstCell), textB));
        break;
    case PlayEventKind::Peeked:
        SayNow(WordOf(PairAt(state_, event.firstCell), !textB));
        break;
    case PlayEventKind::PairMatched:
        // The cells are empty by now; the event names the pair, and each cell still knows
        // which side it showed.
        SayNow(WordOf(event.pair, textB));
        next_ = WordOf(event.pair, !textB);
        break;
    case PlayEventKind::GameStarted:
    case PlayEventKind::WrongPick:
        Interrupt();
        break;
    default:
        break;
    }
}

void WordSpeech::SayWord(const std::string& word, ListSide side) {
    const std::string& language = side == ListSide::TextA ? languages_.TextA : languages_.TextB;
    if (enabled_ && !word.empty() && !language.empty()) {
        SayNow(Utterance{word, language});
    }
}

void WordSpeech::OnSpeakerIdle() {
    if (enabled_ && next_) {
        speaker_.Say(*next_);
    }
    next_.reset();
}

void WordSpeech::Interrupt() {
    next_.reset();
    speaker_.Stop();
}

std::optional<Utterance> WordSpeech::WordOf(std::int32_t pair, bool textB) const {
    if (pair < 0 || static_cast<std::size_t>(pair) >= state_.WordList.size()) {
        return std::nullopt;
    }
    const WordPair& words = state_.WordList[static_cast<std::size_t>(pair)];
    const std::optional<std::string>& line = textB ? words.TextB : words.TextA;
    const std::string& language = textB ? languages_.TextB : languages_.TextA;
    // A picture's file name is no word to say.
    const std::string word = line ? ParseSide(*line).text : std::string();
    if (word.empty() || language.empty()) {
        return std::nullopt;
    }
    return Utterance{word, language};
}

void WordSpeech::SayNow(std::optional<Utterance> utterance) {
    next_.reset();
    if (utterance) {
        speaker_.Say(*utterance);
    } else {
        speaker_.Stop();
    }
}
