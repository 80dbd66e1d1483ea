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

void WordSpeech::SetSounds(SoundPlayer* player, SoundFinder finder) {
    Interrupt();
    player_ = player;
    findSound_ = std::move(finder);
}

void WordSpeech::SetSoundsEnabled(bool enabled) {
    if (soundsEnabled_ && !enabled) {
        Interrupt();
    }
    soundsEnabled_ = enabled;
}

void WordSpeech::OnPlayEvent(const PlayEvent& event) {
    if (!enabled_ && !soundsEnabled_) {
        return;
    }
    const bool textB = ShowsTextB(state_, event.firstCell);
    switch (event.kind) {
    case PlayEventKind::TileSelected:
        SayNow(SoundOf(PairAt(state_, event.firstCell), textB));
        break;
    case PlayEventKind::Peeked:
        SayNow(SoundOf(PairAt(state_, event.firstCell), !textB));
        break;
    case PlayEventKind::PairMatched: {
        // The cells are empty by now; the event names the pair, and each cell still knows
        // which side it showed. A silent first side does not hold back its partner.
        std::optional<Sound> first = SoundOf(event.pair, textB);
        const bool waits = first.has_value();
        SayNow(std::move(first));
        if (waits) {
            next_ = SoundOf(event.pair, !textB);
        } else {
            SayNow(SoundOf(event.pair, !textB));
        }
        break;
    }
    case PlayEventKind::GameStarted:
    case PlayEventKind::WrongPick:
        Interrupt();
        break;
    default:
        break;
    }
}

void WordSpeech::SayWord(const std::string& word, ListSide side) {
    if (std::optional<Sound> words = WordsOf(word, side == ListSide::TextB); enabled_ && words) {
        SayNow(std::move(words));
    }
}

bool WordSpeech::Voice(const std::string& file, const std::string& word, ListSide side) {
    std::optional<Sound> sound = !file.empty() && player_ != nullptr
                                     ? Sound{file, {}}
                                     : WordsOf(word, side == ListSide::TextB);
    const bool heard = sound.has_value();
    SayNow(std::move(sound));
    return heard;
}

void WordSpeech::OnIdle(Device device) {
    if (device != sounding_) {
        return;
    }
    sounding_ = Device::None;
    std::optional<Sound> next = std::move(next_);
    next_.reset();
    if (next) {
        SayNow(std::move(next));
    }
}

void WordSpeech::Interrupt() {
    next_.reset();
    sounding_ = Device::None;
    speaker_.Stop();
    if (player_ != nullptr) {
        player_->Stop();
    }
}

std::optional<WordSpeech::Sound> WordSpeech::SoundOf(const std::string& line, bool textB) const {
    if (soundsEnabled_ && player_ != nullptr && findSound_) {
        if (std::optional<std::string> file = findSound_(line)) {
            return Sound{std::move(*file), {}};
        }
    }
    // A picture's file name is no word to say.
    return enabled_ ? WordsOf(ParseSide(line).text, textB) : std::nullopt;
}

std::optional<WordSpeech::Sound> WordSpeech::WordsOf(std::string word, bool textB) const {
    const std::string& language = textB ? languages_.TextB : languages_.TextA;
    if (word.empty() || language.empty()) {
        return std::nullopt;
    }
    return Sound{{}, Utterance{std::move(word), language}};
}

std::optional<WordSpeech::Sound> WordSpeech::SoundOf(std::int32_t pair, bool textB) const {
    if (pair < 0 || static_cast<std::size_t>(pair) >= state_.WordList.size()) {
        return std::nullopt;
    }
    const WordPair& words = state_.WordList[static_cast<std::size_t>(pair)];
    const std::optional<std::string>& line = textB ? words.TextB : words.TextA;
    return line ? SoundOf(*line, textB) : std::nullopt;
}

void WordSpeech::SayNow(std::optional<Sound> sound) {
    next_.reset();
    if (!sound) {
        Interrupt();
        return;
    }
    if (!sound->file.empty()) {
        if (sounding_ == Device::Speaker) {
            speaker_.Stop();
        }
        player_->Play(sound->file);
        sounding_ = Device::Player;
        return;
    }
    if (sounding_ == Device::Player) {
        player_->Stop();
    }
    speaker_.Say(sound->words);
    sounding_ = Device::Speaker;
}
