#include "app/shell/command_table.h"
#include "app/shell/main_frame.h"
#include "app/shell/ui_translations.h"

#include <QCoreApplication>
#include <QMenuBar>
#include <QSettings>
#include <QTranslator>
#include <gtest/gtest.h>

#include <set>

namespace {

QStringList MenuTitles(const CMainFrame& frame) {
    QStringList titles;
    for (const QAction* menu : frame.menuBar()->actions()) {
        titles.append(menu->text());
    }
    return titles;
}

// The letter after a single "&", or none.
std::optional<QChar> Mnemonic(const QString& text) {
    const qsizetype amp = QString(text).replace("&&", "__").indexOf('&');
    if (amp < 0 || amp + 1 >= text.size()) {
        return std::nullopt;
    }
    return text[amp + 1].toLower();
}

TEST(TranslationTest, MenusFollowTheFirstOfTheUsersLanguagesThatWeTranslate) {
    const QStringList english{"&File", "&Edit", "&View", "&Game", "&Tools", "&Help"};
    const struct {
        QStringList uiLanguages;
        QStringList titles;
        QString ready;
        QString qtCancel; // from Qt's own translations
    } cases[] = {
        {{"de-DE"},
         {"&Datei", "&Bearbeiten", "&Ansicht", "&Spiel", "E&xtras", "&Hilfe"},
         "Bereit",
         "Abbrechen"},
        {{"fr-CA", "de"},
         {"&Fichier", "É&dition", "&Affichage", "&Jeu", "&Outils", "A&ide"},
         "Prêt",
         "Annuler"},
        {{"pt-BR", "es-MX"},
         {"&Archivo", "&Edición", "&Ver", "&Juego", "&Herramientas", "A&yuda"},
         "Listo",
         "Cancelar"},
        {{"en-GB", "de-DE"}, english, "Ready", "Cancel"},
        {{"C"}, english, "Ready", "Cancel"},
    };
    for (const auto& [uiLanguages, titles, ready, qtCancel] : cases) {
        const UiTranslations translations(uiLanguages);
        const CMainFrame frame;
        const std::string shown = uiLanguages.join(' ').toStdString();
        EXPECT_EQ(MenuTitles(frame), titles) << shown;
        EXPECT_EQ(QCoreApplication::translate("CMainFrame", "Ready"), ready) << shown;
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), qtCancel) << shown;
    }
    // Gone with the object.
    EXPECT_EQ(MenuTitles(CMainFrame()), english);
}

// A command added to the table without its translation marker, or left untranslated, shows
// in English; two items of one menu with the same mnemonic cannot both be reached by key.
TEST(TranslationTest, EveryCommandIsTranslatedAndNoMenuRepeatsAMnemonic) {
    QSettings().clear();
    for (const QString language : {"de", "fr", "es"}) {
        QTranslator translator;
        ASSERT_TRUE(translator.load("glossatiles_" + language, ":/i18n"));
        for (const Command& command : Commands()) {
            for (const std::string_view text : {command.text, command.prompt}) {
                const std::string source(text);
                EXPECT_TRUE(text.empty() ||
                            !translator.translate("Command", source.c_str()).isEmpty())
                    << language.toStdString() << ": " << source;
            }
        }
        for (const MenuLayout& menu : MenuBarLayout()) {
            const std::string title(menu.title);
            EXPECT_FALSE(translator.translate("Menu", title.c_str()).isEmpty()) << title;
        }

        const UiTranslations translations({language});
        const CMainFrame frame;
        std::set<QChar> titleKeys;
        for (const QAction* menu : frame.menuBar()->actions()) {
            const auto key = Mnemonic(menu->text());
            EXPECT_TRUE(!key || titleKeys.insert(*key).second) << menu->text().toStdString();
            std::set<QChar> itemKeys;
            for (const QAction* item : menu->menu()->actions()) {
                const auto itemKey = Mnemonic(item->text());
                EXPECT_TRUE(!item->isVisible() || !itemKey || itemKeys.insert(*itemKey).second)
                    << item->text().toStdString();
            }
        }
    }
}

} // namespace
