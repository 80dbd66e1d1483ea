#pragma once

#include <QLocale>
#include <QString>

// The locale name ("fr_FR") of a language as a list names it: a code ("fr", "de-DE",
// "pt_BR") or a name in English or in the language itself ("French", "Deutsch"). "" for what
// names no language, such as a column title.
QString LocaleFromLanguageName(const QString& name);

// A side's language, the first that is known of: the player's choice, what the list names,
// what the side's script suggests, the system's language.
QString ChooseSideLanguage(const QString& playerChoice, const QString& listNamed,
                           const QString& scriptGuess, const QLocale& system);
