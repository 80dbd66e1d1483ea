#pragma once

#include "game/play_event.h"
#include "words/message_sink.h"

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

// What a lasting note is about: a new note on a topic takes the place of the last one.
enum class NoteTopic {
    LinesNotRead,
    LinesSplit,
    ImportNotes,
    ProgressNotKept,
    NoFreePair,
    SpeechLanguages,
    MissingMedia,
    MemoryFitted
};

// What the rules need from the window they run in. The Qt view implements it; tests and the
// command-line tool replace it.
class GameHost : public MessageSink {
public:
    virtual void SetTitle(std::string_view title) = 0;
    // A title the game words itself, in the player's language.
    virtual void ReportTitle(const Message& title) { SetTitle(EnglishText(title)); }
    // Full repaint later: panels, levels, selection.
    virtual void InvalidateAll() = 0;
    // Timers are one-shot: each id fires at most once per SetTimer.
    virtual void SetTimer(int id, int milliseconds) = 0;
    virtual void KillTimer(int id) = 0;

    // Immediate draws that last until the next repaint of their area. The text is a side's
    // line, references and all, so that the window can show its picture; a null text draws
    // the empty place.
    virtual void DrawTile(int state, int column, int row, int level, const std::string* text) = 0;
    virtual void DrawWrongMark(int column, int row) = 0;
    virtual void DrawWrongPanel() = 0;
    virtual void DrawHintsPanel() = 0;
    virtual void DrawRemovedTilesPanel() = 0;
    virtual void DrawHintHighlight(bool considerSelection) = 0;

    // File choosers: the chosen path, or "" when the user cancels.
    virtual std::string ChooseFileToOpen() = 0;
    virtual std::string ChooseFileToSave() = 0;

    // Draw Level: the text the player confirmed, or nullopt when the dialog was cancelled.
    virtual std::optional<std::string> AskLevelText(std::string_view current) = 0;
    // Word List: shows the loaded list in its dialog until the player closes it.
    virtual void ShowWordList() = 0;

    // A short note in the status bar that stays until the next one, in the player's language;
    // an empty text goes back to the idle prompt.
    virtual void ReportStatus(const Message& note) { ShowStatus(EnglishText(note)); }
    // The same note already in words.
    virtual void ShowStatus(std::string_view) {}
    // A note the player must see: it stays in a place of its own, out of the way of the status
    // texts, until the player closes it or the rules withdraw it. In the player's language.
    virtual void ReportNote(NoteTopic topic, const Message& note) {
        ShowNote(topic, EnglishText(note));
    }
    // The same note already in words.
    virtual void ShowNote(NoteTopic, std::string_view) {}
    virtual void WithdrawNote(NoteTopic) {}
    // Hears every event of play, after the state has changed.
    virtual void OnPlayEvent(const PlayEvent&) {}

    // Deals seed the generator from the clock; tests and the command-line tool pin it.
    virtual std::uint32_t RandomSeed() { return static_cast<std::uint32_t>(std::time(nullptr)); }
    // Saved games are stamped with this time (UTC is taken from it).
    virtual std::time_t CurrentTime() { return std::time(nullptr); }
};
