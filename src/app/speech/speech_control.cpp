#include "app/speech/speech_control.h"

#include "app/base/game_in_play.h"
#include "app/base/language_choices.h"
#include "app/speech/speech_languages.h"
#include "files/media_file.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "view/dialogs/languages_dlg.h"
#include "words/side_language.h"
#include "words/side_line.h"

#include <QAction>
#include <QMenu>
#include <QSettings>

#include <algorithm>
#include <optional>

namespace {

const QString SpeakWordsKey = QStringLiteral("Speech/SpeakWords");

// What speech knows of a side's language: its locale, or "" and the languages to ask about.
struct SideLanguage {
    QString locale;
    QStringList toAsk;
};

SideLanguage SideLanguageOf(const GameState& state, ListSide side, const QString& playerChoice) {
    const std::string& named =
        side == ListSide::TextA ? state.Languages.TextA : state.Languages.TextB;
    const SideLanguageGuess guess = GuessSideLanguage(state.WordList, side);
    const QString locale = ChooseSideLanguage(playerChoice, QString::fromStdString(named),
                                              QString::fromStdString(guess.language));
    return {locale, locale.isEmpty() ? LanguagesToAskAbout(guess.likely, QLocale::system())
                                     : QStringList()};
}

// "Spanish / Portuguese", named as Tools > Languages… names them.
QString LanguageNames(const QStringList& codes) {
    QStringList names;
    for (const QString& code : codes) {
        names.append(QLocale::languageToString(QLocale(code).language()));
    }
    return names.join(QStringLiteral(" / "));
}

// One locale for each language Qt knows, in its main country.
QStringList EveryLanguage() {
    QStringList names;
    for (const QLocale& locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                          QLocale::AnyTerritory)) {
        const QString name = QLocale(locale.language()).name();
        if (locale.language() != QLocale::C && !names.contains(name)) {
            names.append(name);
        }
    }
    return names;
}

// The file a side's line may play, resolved against the folder of the list in play.
std::optional<std::string> SoundFile(const std::string& line, const std::string& listPath) {
    const std::string reference = ParseSide(line).sound;
    if (reference.empty()) {
        return std::nullopt;
    }
    return UsableMediaPath(reference, MediaKind::Sound, listPath);
}

bool HasSounds(const GameState& state) {
    return std::any_of(state.WordList.begin(), state.WordList.end(),
                       [&state](const WordPair& pair) {
                           return (pair.TextA && SoundFile(*pair.TextA, state.ListPath)) ||
                                  (pair.TextB && SoundFile(*pair.TextB, state.ListPath));
                       });
}

} // namespace

SpeechControl::SpeechControl(GameInPlay& game, QAction& speakWords, QAction& playSounds,
                             QAction& languages)
    : QObject(&game), game_(game), speakWords_(speakWords), playSounds_(playSounds),
      languages_(languages), speech_(game.State(), speaker_) {
    speakWords_.setCheckable(true);
    playSounds_.setCheckable(true);
    auto player = std::make_unique<QtSoundPlayer>();
    connect(player.get(), &QtSoundPlayer::Finished, this, &SpeechControl::OnSoundPlayed);
    UseSoundPlayer(std::move(player));
    connect(&playSounds_, &QAction::toggled, this,
            [this](bool on) { speech_.SetSoundsEnabled(on); });
    connect(&speaker_, &QtSpeaker::Started, this, &SpeechControl::OnEngineStarted);
    connect(&speaker_, &QtSpeaker::Unavailable, this, &SpeechControl::OnEngineUnavailable);
    connect(&speaker_, &QtSpeaker::Failed, this, &SpeechControl::OnEngineFailed);
    connect(&speaker_, &QtSpeaker::Finished, this, [this] { speech_.OnSpeakerIdle(); });
    connect(&game_, &GameInPlay::PlayEventOccurred, this, &SpeechControl::OnPlayEvent);
    connect(&speakWords_, &QAction::toggled, this, [this](bool on) {
        speech_.SetEnabled(on);
        if (on) {
            StartEngine();
            UpdateLanguages();
        }
    });
    // Only the player's own choice is remembered, not a failure that turned speech off.
    connect(&speakWords_, &QAction::triggered, this,
            [](bool on) { QSettings().setValue(SpeakWordsKey, on); });
    connect(&languages_, &QAction::triggered, this, &SpeechControl::ChooseLanguages);
    // The engine is looked for when it may be wanted, so the menus show whether it works.
    for (QAction* action : {&speakWords_, &languages_}) {
        for (QObject* owner : action->associatedObjects()) {
            if (auto* menu = qobject_cast<QMenu*>(owner)) {
                connect(menu, &QMenu::aboutToShow, this, &SpeechControl::StartEngine);
            }
        }
    }
    UpdateLanguages();
    speakWords_.setChecked(QSettings().value(SpeakWordsKey, false).toBool());
}

void SpeechControl::UseSoundPlayer(std::unique_ptr<SoundPlayer> player) {
    // The one played so far is stopped before it goes.
    speech_.SetSounds(player.get(), [this](const std::string& line) {
        return SoundFile(line, game_.State().ListPath);
    });
    player_ = std::move(player);
}

void SpeechControl::Listen(const std::string& file, const std::string& word, ListSide side) {
    waitingWord_.reset();
    // The first question of a round may come before the engine: it is said once there.
    if (file.empty() && !engineStarted_) {
        waitingWord_.emplace(word, side);
        StartEngine();
        return;
    }
    speech_.Voice(file, word, side);
}

void SpeechControl::UpdatePlaySounds() {
    const GameState& state = game_.State();
    if (state.ListPath == soundsList_) {
        return;
    }
    soundsList_ = state.ListPath;
    playSounds_.setChecked(HasSounds(state));
}

void SpeechControl::StartEngine() {
    if (engineStarting_) {
        return;
    }
    engineStarting_ = true;
    speaker_.Start();
}

void SpeechControl::OnEngineStarted() {
    engineStarted_ = true;
    if (waitingWord_) {
        speech_.Voice({}, waitingWord_->first, waitingWord_->second);
        waitingWord_.reset();
    }
}

// Tools > Languages… stays: it also names the sides of an exported list.
void SpeechControl::OnEngineUnavailable(const QString& reason) {
    waitingWord_.reset();
    speakWords_.setEnabled(false);
    speakWords_.setStatusTip(tr("Speech is off: %1").arg(reason));
    speakWords_.setChecked(false);
}

void SpeechControl::OnEngineFailed(const QString& reason) {
    if (!speech_.Enabled()) {
        return;
    }
    speakWords_.setChecked(false);
    game_.Host().ShowStatus(tr("Speech turned off: %1").arg(reason).toStdString());
}

void SpeechControl::OnPlayEvent(const PlayEvent& event) {
    if (event.kind == PlayEventKind::GameStarted) {
        UpdateLanguages();
        UpdatePlaySounds();
    }
    speech_.OnPlayEvent(event);
}

void SpeechControl::UpdateLanguages() {
    const GameState& state = game_.State();
    const auto side = [&state](ListSide which) {
        return SideLanguageOf(state, which, ChosenLanguage(state.ListPath, which));
    };
    const SideLanguage words = side(ListSide::TextA);
    const SideLanguage translations = side(ListSide::TextB);
    speech_.SetLanguages({words.locale.toStdString(), translations.locale.toStdString()});

    QStringList unknown;
    if (!state.WordList.empty() && words.locale.isEmpty()) {
        unknown.append(tr("the words (%1?)").arg(LanguageNames(words.toAsk)));
    }
    if (!state.WordList.empty() && translations.locale.isEmpty()) {
        unknown.append(tr("the translations (%1?)").arg(LanguageNames(translations.toAsk)));
    }
    if (unknown.isEmpty()) {
        game_.Host().WithdrawNote(NoteTopic::SpeechLanguages);
        return;
    }
    // Asked once a list, while the player wants the words spoken.
    if (!speakWords_.isChecked() || asked_.count(state.ListPath) > 0) {
        return;
    }
    asked_.insert(state.ListPath);
    game_.Host().ShowNote(
        NoteTopic::SpeechLanguages,
        tr("Speech cannot tell the language of %1 and does not speak them until you "
           "choose it in Tools > Languages…")
            .arg(unknown.join(tr(" and ")))
            .toStdString());
}

void SpeechControl::ChooseLanguages() {
    const GameState& state = game_.State();
    const std::string& list = state.ListPath;
    const auto side = [&](ListSide which) {
        const SideLanguage automatic = SideLanguageOf(state, which, {});
        return LanguagesDlg::Side{ChosenLanguage(list, which), automatic.locale, automatic.toAsk};
    };
    // Without an engine's languages, every language is offered, for an export.
    LanguagesDlg dialog(speaker_.Locales().isEmpty() ? EveryLanguage() : speaker_.Locales(),
                        side(ListSide::TextA), side(ListSide::TextB), &game_.Window());
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    SetChosenLanguage(list, ListSide::TextA, dialog.ChosenForWords());
    SetChosenLanguage(list, ListSide::TextB, dialog.ChosenForTranslations());
    UpdateLanguages();
}
