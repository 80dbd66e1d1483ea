#include "app/speech/speech_languages.h"

#include <QHash>
#include <QRegularExpression>

namespace {

bool IsLanguage(const QLocale& locale) {
    return locale.language() != QLocale::C && locale.language() != QLocale::AnyLanguage;
}

// Every language by its English and its own name, folded to lower case. Qt's own names may
// carry a region ("español de España"), so the first word counts too.
const QHash<QString, QLocale::Language>& LanguagesByName() {
    static const QHash<QString, QLocale::Language> names = [] {
        QHash<QString, QLocale::Language> byName;
        const auto add = [&byName](const QString& name, QLocale::Language language) {
            if (!name.isEmpty() && !byName.contains(name)) {
                byName.insert(name, language);
            }
        };
        for (int value = QLocale::Abkhazian; value <= QLocale::LastLanguage; ++value) {
            const auto language = static_cast<QLocale::Language>(value);
            const QLocale locale(language);
            if (locale.language() != language) {
                continue;
            }
            const QString native = locale.nativeLanguageName().toCaseFolded();
            add(QLocale::languageToString(language).toCaseFolded(), language);
            add(native, language);
            add(native.section(QLatin1Char(' '), 0, 0), language);
        }
        return byName;
    }();
    return names;
}

} // namespace

QString LocaleFromLanguageName(const QString& name) {
    const QString trimmed = name.trimmed();
    static const QRegularExpression code(QStringLiteral("^[A-Za-z]{2,3}([-_][A-Za-z0-9]{2,8})*$"));
    if (code.match(trimmed).hasMatch()) {
        const QLocale locale(trimmed);
        // An unknown code gives the C locale.
        if (IsLanguage(locale)) {
            return locale.name();
        }
    }
    const auto found = LanguagesByName().find(trimmed.toCaseFolded());
    return found == LanguagesByName().end() ? QString() : QLocale(found.value()).name();
}

QString ChooseSideLanguage(const QString& playerChoice, const QString& listNamed,
                           const QString& wordsGuess) {
    for (const QString& choice : {playerChoice, LocaleFromLanguageName(listNamed), wordsGuess}) {
        if (!choice.isEmpty()) {
            return choice;
        }
    }
    return {};
}

QStringList LanguagesToAskAbout(const std::vector<std::string>& likely, const QLocale& system) {
    constexpr qsizetype MostOffered = 4;
    QStringList offered;
    for (const std::string& language : likely) {
        offered.append(QString::fromStdString(language));
    }
    if (offered.isEmpty()) {
        // The C locale speaks English.
        if (IsLanguage(system)) {
            offered.append(QLocale::languageToCode(system.language()));
        }
        offered.append({QStringLiteral("en"), QStringLiteral("fr"), QStringLiteral("de"),
                        QStringLiteral("es")});
        offered.removeDuplicates();
    }
    return offered.mid(0, MostOffered);
}
