#include "view/board/message_text.h"

#include "view/board/board_painter.h"

#include <QCoreApplication>

namespace {

constexpr const char* Context = "Message";

// The translated text with its count filled in, or a null string when there is no translation.
QString Translation(const Message& message) {
    const int count = message.count ? static_cast<int>(*message.count) : -1;
    const QString translated = QCoreApplication::translate(Context, message.text, nullptr, count);
    QString untranslated = QString::fromUtf8(message.text);
    if (message.count) {
        untranslated.replace(QLatin1String("%n"), QString::number(count));
    }
    return translated == untranslated ? QString() : translated;
}

QString FillIn(const QString& text, const Message& message) {
    const QByteArray bytes = text.toUtf8();
    QString filled;
    for (const TextPiece& piece : SplitAtPlaces({bytes.constData(), std::size_t(bytes.size())})) {
        if (piece.count) {
            filled += QString::number(message.count.value_or(0));
        } else if (piece.argument >= 0) {
            const auto index = static_cast<std::size_t>(piece.argument);
            if (index < message.args.size()) {
                filled += DecodeWord(message.args[index]);
            } else if (index - message.args.size() < message.nested.size()) {
                filled += MessageText(message.nested[index - message.args.size()]);
            }
        } else {
            filled += QString::fromUtf8(piece.plain.data(), qsizetype(piece.plain.size()));
        }
    }
    return filled;
}

} // namespace

QString MessageText(const Message& message) {
    const QString translation = Translation(message);
    QString text = FillIn(
        translation.isNull() ? QString::fromUtf8(EnglishForm(message)) : translation, message);
    for (const Message& note : message.followedBy) {
        text += QLatin1Char(' ') + MessageText(note);
    }
    return text;
}
