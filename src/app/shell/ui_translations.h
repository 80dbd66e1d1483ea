#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// Our texts and Qt's own (standard dialogs, buttons) in the first of the user's languages that
// we translate into; else English, the source language, which only words the texts with a
// count ("1 pair", "2 pairs"). Installed for the object's life. Needs a QCoreApplication.
class UiTranslations {
public:
    // uiLanguages as QLocale::uiLanguages gives them, most preferred first ("de-DE", "fr").
    explicit UiTranslations(const QStringList& uiLanguages);
    ~UiTranslations();
    UiTranslations(const UiTranslations&) = delete;
    UiTranslations& operator=(const UiTranslations&) = delete;

    // "de", "fr", "es", or empty for English.
    const QString& Language() const { return language_; }

private:
    QString language_;
    QTranslator ours_;
    QTranslator qt_;
};
