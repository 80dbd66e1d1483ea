#include "app/base/language_choices.h"

#include "game/game_state.h"

#include <QSettings>
#include <QUrl>

namespace {

// Kept under the path the list was opened from.
QString ChoiceKey(const std::string& listPath, ListSide side) {
    const QByteArray path = QUrl::toPercentEncoding(QString::fromStdString(listPath));
    return QStringLiteral("SpeechLanguages/%1/%2")
        .arg(QString::fromLatin1(path),
             side == ListSide::TextA ? QStringLiteral("Words") : QStringLiteral("Translations"));
}

} // namespace

QString ChosenLanguage(const std::string& listPath, ListSide side) {
    return QSettings().value(ChoiceKey(listPath, side)).toString();
}

void SetChosenLanguage(const std::string& listPath, ListSide side, const QString& language) {
    QSettings().setValue(ChoiceKey(listPath, side), language);
}

ListLanguages ChosenListLanguages(const GameState& state) {
    ListLanguages languages = state.Languages;
    for (const auto& [side, language] : {std::pair(ListSide::TextA, &languages.TextA),
                                         std::pair(ListSide::TextB, &languages.TextB)}) {
        const QString chosen = ChosenLanguage(state.ListPath, side);
        if (!chosen.isEmpty()) {
            *language = chosen.toStdString();
        }
    }
    return languages;
}
