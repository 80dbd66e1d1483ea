#include "app/shell/about_dlg.h"

#include "app/shell/command_icons.h"
#include "glossatiles_project.h"
#include "view/dialogs/dialog_units.h"

#include <QLabel>
#include <QPushButton>

namespace {
constexpr const char* Notes[] = {
    QT_TRANSLATE_NOOP("CAboutDlg",
                      "Open a word list with File > Open: a line describing the list, then each "
                      "word and its partner on two lines of their own."),
    QT_TRANSLATE_NOOP("CAboutDlg",
                      "Click two tiles that belong together to remove them. Only the top tile of "
                      "a stack can be picked; the right mouse button peeks at a tile's partner "
                      "word and counts as a hint."),
    QT_TRANSLATE_NOOP("CAboutDlg",
                      "Edit > Undo puts the last pair removed back on the board, and Redo removes "
                      "it again. Help > Keys lists every key."),
};

QLabel* AddLabel(QWidget* parent, const QString& text, const QRect& place) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(place);
    return label;
}
} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Glossatiles"));
    const DialogUnits units(font());
    setFixedSize(units.Size(235, 186));

    auto* icon = new QLabel(this);
    icon->setPixmap(ApplicationIcon().pixmap(32, 32));
    icon->setGeometry(units.Rect(11, 10, 21, 20));

    AddLabel(this, tr("Glossatiles Version %1").arg(QString::fromLatin1(GlossatilesVersion)),
             units.Rect(40, 10, 130, 8));
    AddLabel(this, tr("Written by the Glossatiles developers, 2026"), units.Rect(40, 22, 130, 18));
    int top = 48;
    for (const char* note : Notes) {
        AddLabel(this, tr(note), units.Rect(11, top, 213, 36));
        top += 42;
    }

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setGeometry(units.Rect(178, 7, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
