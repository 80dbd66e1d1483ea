#pragma once

#include "files/list_import.h"
#include "game/deal.h"
#include "words/message_sink.h"
#include "words/word_list_reader.h"

#include <optional>
#include <string>
#include <vector>

struct GameState;
class CancelFlag;
class GameHost;
class ImportChooser;

enum class OpenResult { Cancelled, Failed, Dealt, Loaded };

// Messages kept to be said later, on the window's thread.
class KeptMessages : public MessageSink {
public:
    void Report(const Message& message) override { kept_.push_back(message); }
    void ShowMessage(std::string_view text) override {
        kept_.push_back({"%1", {std::string(text)}});
    }
    // Says them, in order, and forgets them.
    void SayTo(MessageSink& sink);

private:
    std::vector<Message> kept_;
};

// File > Open in steps, so that a window can read a slow file off its thread with a Cancel
// button. Prepare and Read touch neither the game nor the host, so they may run on a worker
// thread while the window waits; Choose and Finish run on the window's thread:
//
//     FileOpening opening(path, &cancel);
//     opening.Prepare();                    // worker: what the file is; a package unpacked
//     opening.Choose(&chooser);             // window: the import preview, when it is asked for
//     opening.Read();                       // worker: the whole list
//     result = opening.Finish(state, host, deal);  // window: messages, the deal or the load
//
// Cancel() on the flag, from any thread, stops the reading steps soon, and Finish then gives
// Cancelled with the game in play as it was. A saved game is loaded by Finish.
class FileOpening {
public:
    explicit FileOpening(std::string path, const CancelFlag* cancel = nullptr);

    // Tells what the file is, and for an imported one does its reader's slow work (unzip,
    // decompress, parse) ahead of any question.
    void Prepare();
    // Asks the chooser how to read the file, where it is asked: false when the player cancels.
    bool Choose(ImportChooser* chooser);
    // Reads the whole list as chosen.
    void Read();
    // Tells the player what the reading found and deals the list, or loads the saved game. The
    // game in play is replaced only when this succeeds.
    OpenResult Finish(GameState& state, GameHost& host, DealKind deal);

    // The list read, and how it was read, without a deal, into `list`; false for a saved game or a
    // file that could not be read as a list.
    bool TakeList(GameState& list);

private:
    bool Skipped() const;

    std::string path_;
    const CancelFlag* cancel_;
    bool savedGame_ = false;
    std::optional<ImportReading> import_;
    ImportChoice choice_;
    bool chooserCancelled_ = false;
    // A list read as the game's own: whether the file opened, its first line and its pairs.
    bool native_ = false;
    bool nativeOpened_ = false;
    std::string firstLine_;
    WordPairsRead nativeRead_;
    KeptMessages said_;
    ImportOutcome imported_;
};
