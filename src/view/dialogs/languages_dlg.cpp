#include "view/dialogs/languages_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLocale>

#include <algorithm>

namespace {

// "Deutsch (Deutschland)", "español de España": each language in its own words, which its
// speakers recognise whatever language the window is in, unlike "es_ES".
QString LocaleTitle(const QString& name) {
    const QLocale locale(name);
    const QString language = locale.nativeLanguageName();
    const QString territory = locale.nativeTerritoryName();
    return language.contains(territory) ? language
                                        : QStringLiteral("%1 (%2)").arg(language, territory);
}

QComboBox* LocaleBox(QStringList locales, const LanguagesDlg::Side& side, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->addItem(side.automatic.isEmpty()
                     ? LanguagesDlg::tr("Automatic: not known, not spoken")
                     : LanguagesDlg::tr("Automatic: %1").arg(LocaleTitle(side.automatic)),
                 QString());
    // The engine may offer the C locale, which names no language.
    locales.removeIf(
        [](const QString& locale) { return QLocale(locale).language() == QLocale::C; });
    std::sort(locales.begin(), locales.end(), [](const QString& a, const QString& b) {
        return LocaleTitle(a).localeAwareCompare(LocaleTitle(b)) < 0;
    });
    // The languages the words point to come first.
    std::stable_partition(locales.begin(), locales.end(), [&side](const QString& locale) {
        return side.likely.contains(QLocale::languageToCode(QLocale(locale).language()));
    });
    for (const QString& locale : locales) {
        box->addItem(LocaleTitle(locale), locale);
    }
    box->setCurrentIndex(std::max(0, box->findData(side.chosen)));
    return box;
}

} // namespace

LanguagesDlg::LanguagesDlg(const QStringList& locales, const Side& words, const Side& translations,
                           QWidget* parent)
    : QDialog(parent), words_(LocaleBox(locales, words, this)),
      translations_(LocaleBox(locales, translations, this)) {
    setWindowTitle(tr("Languages"));
    auto* form = new QFormLayout(this);
    form->addRow(tr("&Words:"), words_);
    form->addRow(tr("&Translations:"), translations_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString LanguagesDlg::ChosenForWords() const {
    return words_->currentData().toString();
}

QString LanguagesDlg::ChosenForTranslations() const {
    return translations_->currentData().toString();
}
