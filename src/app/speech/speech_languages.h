#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

// The locale name ("fr_FR") of a language as a list names it: a code ("fr", "de-DE",
// "pt_BR") or a name in English or in the language itself ("French", "Deutsch"). "" for what
// names no language, such as a column title.
QString LocaleFromLanguageName(const QString& name);

// A side's language, the first that is known of: the player's choice, what the list names,
// what the side's words tell. "" when none is: the side is then not spoken, rather than spoken
// in a language it may not be in.
QString ChooseSideLanguage(const QString& playerChoice, const QString& listNamed,
                           const QString& wordsGuess);

// The languages to offer for a side whose language is in doubt, as language codes: those its
// letters point to, or without any the system's language and the commonest others; at most
// four.
QStringList LanguagesToAskAbout(const std::vector<std::string>& likely, const QLocale& system);
