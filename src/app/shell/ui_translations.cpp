#include "app/shell/ui_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace {
// Where the build embeds the compiled translations.
const QString OurTranslations = QStringLiteral(":/i18n");
} // namespace

UiTranslations::UiTranslations(const QStringList& uiLanguages) {
    for (const QString& uiLanguage : uiLanguages) {
        const QString language = QLocale(uiLanguage).name().section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en")) {
            break;
        }
        if (ours_.load(QStringLiteral("glossatiles_") + language, OurTranslations)) {
            language_ = language;
            QCoreApplication::installTranslator(&ours_);
            // Without Qt's translations the standard dialogs stay English.
            if (qt_.load(QStringLiteral("qtbase_") + language,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                QCoreApplication::installTranslator(&qt_);
            }
            return;
        }
    }
    // English, the sources' language, needs only the forms of the texts with a count.
    if (ours_.load(QStringLiteral("glossatiles_en"), OurTranslations)) {
        QCoreApplication::installTranslator(&ours_);
    }
}

UiTranslations::~UiTranslations() {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&ours_);
}
