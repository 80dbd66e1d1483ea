#include "app/speech/speech_engine.h"

#include <QLocale>
#include <QTextToSpeech>

#include <csignal>
#include <optional>

namespace {

const QString EngineName = QStringLiteral("speechd");

// The engine's locale nearest to the one asked for: the same one, else one of its language.
std::optional<QLocale> NearestLocale(const QList<QLocale>& available, const QString& wanted) {
    const QLocale locale(wanted);
    std::optional<QLocale> sameLanguage;
    for (const QLocale& candidate : available) {
        if (candidate.name() == locale.name()) {
            return candidate;
        }
        if (!sameLanguage && candidate.language() == locale.language()) {
            sameLanguage = candidate;
        }
    }
    return sameLanguage;
}

} // namespace

SpeechEngine::SpeechEngine() = default;
SpeechEngine::~SpeechEngine() = default;

void SpeechEngine::Start() {
    if (!QTextToSpeech::availableEngines().contains(EngineName)) {
        emit Unavailable(tr("no speech engine is installed (Qt's speechd plugin)"));
        return;
    }
    // The speech client writes to a socket that the server may close at any time; a server
    // that goes away must turn speech off, not end the game with SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    engine_ = std::make_unique<QTextToSpeech>(EngineName);
    const QList<QLocale> locales = engine_->availableLocales();
    // Without a voice for the system's language (LANG=C, say) the engine reports an error
    // until something is said; whether it works shows in taking a locale it has a voice for.
    const bool speaks = !locales.isEmpty() && (TakeLocale(QLocale::system().name()) ||
                                               TakeLocale(locales.first().name()));
    if (!speaks) {
        const QString reason = engine_->errorString();
        engine_.reset();
        emit Unavailable(reason.isEmpty() ? tr("the speech engine has no voices") : reason);
        return;
    }
    connect(engine_.get(), &QTextToSpeech::stateChanged, this,
            [this](QTextToSpeech::State state) { OnStateChanged(state); });
    connect(engine_.get(), &QTextToSpeech::errorOccurred, this,
            [this](QTextToSpeech::ErrorReason, const QString& reason) { emit Failed(reason); });
    QStringList names;
    for (const QLocale& locale : locales) {
        names.append(locale.name());
    }
    emit Started(names);
}

bool SpeechEngine::TakeLocale(const QString& locale) {
    const std::optional<QLocale> nearest = NearestLocale(engine_->availableLocales(), locale);
    if (!nearest) {
        return false;
    }
    if (nearest->name() != engine_->locale().name()) {
        engine_->setLocale(*nearest);
    }
    return engine_->locale().name() == nearest->name() && !engine_->voice().name().isEmpty();
}

void SpeechEngine::Say(const QString& text, const QString& locale) {
    if (!engine_) {
        return;
    }
    Stop();
    TakeLocale(locale);
    awaitingSpeech_ = true;
    engine_->say(text);
}

void SpeechEngine::Stop() {
    if (engine_ && engine_->state() != QTextToSpeech::Ready) {
        engine_->stop();
    }
}

void SpeechEngine::OnStateChanged(int state) {
    if (state == QTextToSpeech::Speaking) {
        awaitingSpeech_ = false;
    } else if (state == QTextToSpeech::Ready && !awaitingSpeech_) {
        emit Finished();
    } else if (state == QTextToSpeech::Error) {
        emit Failed(engine_->errorString());
    }
}
