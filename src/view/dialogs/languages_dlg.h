#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;

// Tools > Languages…: the language each side of the list is spoken in, chosen among the
// speech engine's locales. An empty choice leaves it to the game.
class LanguagesDlg : public QDialog {
    Q_OBJECT
public:
    struct Side {
        // The player's choice so far, "" for automatic.
        QString chosen;
        // What automatic gives now; "" when the side's language is in doubt.
        QString automatic;
        // Then the language codes to offer first.
        QStringList likely;
    };
    LanguagesDlg(const QStringList& locales, const Side& words, const Side& translations,
                 QWidget* parent = nullptr);

    QComboBox* WordsBox() const { return words_; }
    QComboBox* TranslationsBox() const { return translations_; }
    // Locale names, "" for automatic.
    QString ChosenForWords() const;
    QString ChosenForTranslations() const;

private:
    QComboBox* words_;
    QComboBox* translations_;
};
