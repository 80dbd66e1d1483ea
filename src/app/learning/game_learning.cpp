#include "app/learning/game_learning.h"

#include "app/base/game_in_play.h"
#include "app/learning/review_memory.h"
#include "files/class_files.h"
#include "files/class_practice.h"
#include "files/media_file.h"
#include "files/results_export.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "game/word_list_command.h"
#include "learning/class_tables.h"
#include "learning/learner_name.h"
#include "learning/pair_identity.h"
#include "learning/practice_deal.h"
#include "learning/results_file.h"
#include "learning/round_result.h"
#include "print/worksheet_painter.h"
#include "savegame/atomic_file.h"
#include "view/board/message_text.h"
#include "view/dialogs/class_results_dlg.h"
#include "words/side_line.h"
#include "words/word_list_text.h"

#include <QFile>
#include <QPrinter>
#include <QTimer>

#include <algorithm>

namespace {
// The file of a side's picture when the window may show it, "" otherwise.
std::string PictureOf(const std::string& line, const std::string& listPath) {
    const std::string image = ParseSide(line).image;
    return image.empty() ? std::string()
                         : UsableMediaPath(image, MediaKind::Picture, listPath).value_or("");
}
} // namespace

GameLearning::GameLearning(GameInPlay& game, std::unique_ptr<ProgressStore> store)
    : QObject(&game), game_(game), prompter_(std::make_unique<QtLearningPrompter>()) {
    SetStore(std::move(store));
}

void GameLearning::SetPrompter(std::unique_ptr<LearningPrompter> prompter) {
    prompter_ = std::move(prompter);
}

void GameLearning::SetStore(std::unique_ptr<ProgressStore> store) {
    session_ = std::make_unique<LearningSession>(*store);
    store_ = std::move(store);
}

void GameLearning::SetClock(std::unique_ptr<Clock> clock) {
    clock_ = std::move(clock);
}

Day GameLearning::Today() const {
    return LocalDay(clock_->Now());
}

Confusions GameLearning::ConfusionsInPlay() const {
    Confusions confusions;
    for (const auto& [pair, record] : session_->Record().Pairs()) {
        if (!record.confusedWith.empty()) {
            confusions[pair] = record.confusedWith;
        }
    }
    return confusions;
}

void GameLearning::OnPlayEvent(const PlayEvent& event) {
    const GameState& state = game_.State();
    if (!session_->Hear(state, game_.Host(), event, clock_->Now())) {
        return;
    }
    emit GameRecorded();
    FinishedGame game{ReportGame(state, session_->Record()), {}, {}, state.FileDescription, {}};
    for (TroubledPair& pair : game.report.troubled) {
        game.missedAt.push_back(pair.index);
        pair.pictureA = PictureOf(pair.textA, state.ListPath);
        pair.pictureB = PictureOf(pair.textB, state.ListPath);
    }
    game.missed = PairsAt(state, game.missedAt);
    game.typedAt = game.report.todaysReview ? session_->Record().SeenPairs() : game.missedAt;
    // The last removal may come from a timer tick or a click still in progress: the window
    // waits until play has returned to the event loop.
    QTimer::singleShot(0, this, [this, game] { ShowGameFinished(game); });
}

void GameLearning::ShowGameFinished(const FinishedGame& game) {
    const AfterGame choice = prompter_->ShowGameFinished(&game_.Window(), game.report,
                                                         [this, &game] { SaveMissedPairs(game); });
    if (choice == AfterGame::PlayMissedPairs && !game.missed.pairs.empty()) {
        DealPractice(game.missed, MissedPairsTitle, GameKind::MissedPairs);
    } else if (game.typedAt.empty()) {
        return;
    } else if (choice == AfterGame::TypePairs) {
        emit TypePairsRequested(game.typedAt);
    } else if (choice == AfterGame::FlashcardPairs) {
        emit FlashcardPairsRequested(game.typedAt);
    } else if (choice == AfterGame::ChoosePairs) {
        emit ChoosePairsRequested(game.typedAt);
    } else if (choice == AfterGame::Home) {
        emit HomeRequested();
    }
}

void GameLearning::SaveMissedPairs(const FinishedGame& game) {
    const QString path = prompter_->ChooseMissedPairsFile(&game_.Window());
    if (path.isEmpty()) {
        return;
    }
    const auto text = [&] {
        return WordListText(PracticeDescription(MissedPairsTitle, game.description),
                            game.missed.pairs);
    };
    if (WriteFileAtomically(QFile::encodeName(path).toStdString(), text).result !=
        AtomicWriteResult::Written) {
        game_.Host().ShowMessage(
            tr("The missed pairs could not be saved to\n%1").arg(path).toStdString());
        return;
    }
    game_.Host().ShowStatus(tr("Missed pairs saved to %1").arg(path).toStdString());
}

void GameLearning::OnProgress() {
    const GameState& state = game_.State();
    const std::string fingerprint = IdentityOf(state).fingerprint;
    ListProgress progress{state.FileDescription,  {}, {}, {}, store_->Summary(Today()), Today(),
                          MemoryProgressOf(*this)};
    const auto games = store_->Games(fingerprint);
    const auto hardest = store_->HardestPairs(fingerprint, HardestPairCount);
    if (games && hardest) {
        progress.games = *games;
        progress.hardest = *hardest;
    } else {
        progress.problem = store_->Problem();
    }
    if (!prompter_->ShowProgress(&game_.Window(), progress)) {
        return;
    }
    std::vector<std::pair<std::string, std::string>> words;
    for (const PairTotal& pair : progress.hardest) {
        words.emplace_back(pair.textA, pair.textB);
    }
    PracticePairs pairs = PairsNamed(state, words);
    if (!pairs.pairs.empty()) {
        DealPractice(std::move(pairs), HardestPairsTitle, GameKind::HardestPairs);
    }
}

void GameLearning::DealPractice(PracticePairs pairs, const char* what, std::string_view kind) {
    game_.Replace([&](GameDealer& dealer) { dealer.DealPractice(std::move(pairs), what, kind); });
}

void GameLearning::RecordRound(const PracticeRound& round) {
    if (round.Answered().empty()) {
        return;
    }
    GameHost& host = game_.Host();
    if (!store_->Record(RoundResult(round, game_.State(), clock_->Now()))) {
        host.ReportNote(NoteTopic::ProgressNotKept, ProgressNotKept(*store_));
    }
    emit GameRecorded();
}

std::optional<std::string> GameLearning::LearnerName() {
    // A database that cannot be read says so when the results are written.
    if (std::string kept = KeptLearnerName(*store_).value_or(""); !kept.empty()) {
        return kept;
    }
    const std::optional<QString> answer = prompter_->AskLearnerName(&game_.Window());
    if (!answer) {
        return std::nullopt;
    }
    GameHost& host = game_.Host();
    const std::string name = answer->trimmed().toStdString();
    if (name.empty()) {
        host.ShowMessage(
            tr("Your results carry your name: give one to export them.").toStdString());
        return std::nullopt;
    }
    if (const std::optional<Message> problem = LearnerNameProblem(name)) {
        host.ShowMessage(
            tr("This name cannot be used: %1").arg(MessageText(*problem)).toStdString());
        return std::nullopt;
    }
    if (!KeepLearnerName(*store_, name)) {
        host.ReportNote(NoteTopic::ProgressNotKept, ProgressNotKept(*store_));
    }
    return name;
}

void GameLearning::OnExportResults() {
    const GameState& state = game_.State();
    GameHost& host = game_.Host();
    if (RefuseWithoutWordList(state, host)) {
        return;
    }
    const std::optional<std::string> name = LearnerName();
    if (!name) {
        return;
    }
    const QString path = prompter_->ChooseResultsFile(&game_.Window());
    if (!path.isEmpty() &&
        ExportResults(state, host, *store_, QFile::encodeName(path).toStdString(), *name)) {
        host.ShowStatus(tr("Results written to %1").arg(path).toStdString());
    }
}

void GameLearning::OnClassResults() {
    std::vector<std::string> paths;
    for (const QString& path : prompter_->ChooseClassFiles(&game_.Window())) {
        paths.push_back(QFile::encodeName(path).toStdString());
    }
    if (paths.empty()) {
        return;
    }
    ClassFiles files = ReadClassFiles(paths);
    GameHost& host = game_.Host();
    if (files.read.empty()) {
        QStringList lines{tr("No results file could be read.")};
        for (const Message& refused : files.refused) {
            lines.append(MessageText(refused));
        }
        host.ShowMessage(lines.join(QLatin1Char('\n')).toStdString());
        return;
    }
    // The list in play is the class's when some learner's results are of it.
    std::optional<ClassList> list;
    const GameState& state = game_.State();
    if (IdentityOf(state).kind == GameKind::List && !state.WordList.empty()) {
        ClassList open = ClassListOf(state);
        if (std::any_of(files.read.begin(), files.read.end(), [&](const LearnerFile& file) {
                return file.results.description == open.description;
            })) {
            list = std::move(open);
        }
    }
    ClassResults results = GatherClass(std::move(files.read), Today(), list);
    results.notes.insert(results.notes.begin(), files.refused.begin(), files.refused.end());
    const ClassChoice choice = prompter_->ShowClassResults(
        &game_.Window(), results, [this, &results] { ExportClassTable(results); },
        [this, &results] { PrintClassReport(results); });
    if (choice == ClassChoice::DealHardest) {
        game_.Replace([&results](GameDealer& dealer) { dealer.DealClassHardestPairs(results); });
    } else if (choice == ClassChoice::EditHardest) {
        emit NewListRequested(MessageText(Message{ClassHardestPairsTitle}).toStdString(),
                              ClassHardestPairList(results));
    }
}

void GameLearning::ExportClassTable(const ClassResults& results) {
    const QString path = prompter_->ChooseCsvFile(&game_.Window());
    if (path.isEmpty()) {
        return;
    }
    const auto text = [&results] {
        TextRows rows{{}};
        for (const QString& heading : ClassResultsDlg::PairHeadings()) {
            rows.front().push_back(heading.toStdString());
        }
        const TextRows pairs = ClassPairRows(results);
        rows.insert(rows.end(), pairs.begin(), pairs.end());
        return CsvText(rows);
    };
    GameHost& host = game_.Host();
    if (WriteFileAtomically(QFile::encodeName(path).toStdString(), text).result !=
        AtomicWriteResult::Written) {
        host.ShowMessage(
            tr("The class's results could not be saved to\n%1").arg(path).toStdString());
        return;
    }
    host.ShowStatus(tr("Class results exported to %1").arg(path).toStdString());
}

void GameLearning::PrintClassReport(const ClassResults& results) {
    Worksheet sheet{
        tr("Class results: %1").arg(QString::fromStdString(results.description)).toStdString(),
        WorksheetLayout::List,
        {},
        {},
        {}};
    for (const ClassPair& pair : results.pairs) {
        if (sheet.lines.size() == ClassHardestPairCount) {
            break;
        }
        QString note = tr("missed by %1 of %n learner(s)", nullptr, pair.learners).arg(pair.missed);
        if (pair.meanRecall) {
            note += "; " + tr("mean recall today %1")
                               .arg(QString::fromStdString(PercentText(pair.meanRecall)));
        }
        if (!pair.hardestFor.empty()) {
            QStringList names;
            for (const std::string& name : pair.hardestFor) {
                names.append(QString::fromStdString(name));
            }
            note += "; " + tr("hardest for %1").arg(names.join(", "));
        }
        sheet.lines.push_back({pair.word, pair.translation, {}, {}, note.toStdString()});
    }
    QPrinter printer(QPrinter::HighResolution);
    // The title a PDF printed from here carries.
    printer.setDocName(QString::fromStdString(sheet.title));
    printer.setPageMargins(WorksheetMargins, QPageLayout::Millimeter);
    prompter_->PreviewPrint(&game_.Window(), printer,
                            [&sheet](QPrinter& target) { PaintWorksheet(target, sheet); });
}
