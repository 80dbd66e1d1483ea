#include "app/shell/note_bar.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// One note: a tinted frame as KDE's message widgets draw it.
class NoteRow : public QFrame {
    Q_OBJECT
public:
    NoteRow(const QString& text, QAction* action, QWidget* parent) : QFrame(parent) {
        setFrameShape(QFrame::StyledPanel);
        setAutoFillBackground(true);
        QPalette tint = palette();
        tint.setColor(QPalette::Window, QColor(0xFF, 0xF4, 0xD6));
        tint.setColor(QPalette::WindowText, Qt::black);
        setPalette(tint);
        setAccessibleName(text);

        auto* label = new QLabel(text, this);
        // Notes quote paths from the user's files, which may look like markup.
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        auto* row = new QHBoxLayout(this);
        row->addWidget(label, 1);
        if (action) {
            auto* button = new QToolButton(this);
            button->setDefaultAction(action);
            button->setToolButtonStyle(Qt::ToolButtonTextOnly);
            row->addWidget(button);
        }
        auto* close = new QToolButton(this);
        close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
        close->setAutoRaise(true);
        close->setAccessibleName(tr("Close"));
        close->setToolTip(tr("Close"));
        close->setObjectName(QStringLiteral("close"));
        connect(close, &QToolButton::clicked, this, &NoteRow::Closed);
        row->addWidget(close);
    }

    QString Text() const { return accessibleName(); }

signals:
    void Closed();
};

QAccessibleInterface* NoteFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(NoteRow::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Note);
    }
    return nullptr;
}

} // namespace

NoteBar::NoteBar(QWidget* parent) : QWidget(parent), layout_(new QVBoxLayout(this)) {
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(1);
    setAccessibleName(tr("Notes"));
    hide();
}

void NoteBar::Show(NoteTopic topic, const QString& text, QAction* action) {
    // The same note again while it is up: it is neither replaced nor announced a second time.
    if (const auto up = rows_.find(topic);
        up != rows_.end() && static_cast<NoteRow*>(up->second)->Text() == text) {
        return;
    }
    Withdraw(topic);
    auto* row = new NoteRow(text, action, this);
    connect(row, &NoteRow::Closed, this, [this, topic] { Withdraw(topic); });
    rows_[topic] = row;
    layout_->addWidget(row);
    row->show();
    show();
    emit NoteShown(text);
}

void NoteBar::Withdraw(NoteTopic topic) {
    const auto found = rows_.find(topic);
    if (found == rows_.end()) {
        return;
    }
    // Closed from its own button: the row goes once the click is over.
    found->second->hide();
    found->second->deleteLater();
    rows_.erase(found);
    setVisible(!rows_.empty());
}

QStringList NoteBar::Notes() const {
    QStringList texts;
    for (int i = 0; i < layout_->count(); ++i) {
        const auto* row = qobject_cast<NoteRow*>(layout_->itemAt(i)->widget());
        if (row && row->isVisibleTo(this)) {
            texts.append(row->Text());
        }
    }
    return texts;
}

void InstallNoteAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&NoteFactory);
        return true;
    }();
    (void)installed;
}

#include "note_bar.moc"
