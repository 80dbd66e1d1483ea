#include "app/learning/round_direction.h"

#include <QSettings>
#include <QUrl>

namespace {

QString DirectionKey(const char* round, const std::string& listPath) {
    const QByteArray path = QUrl::toPercentEncoding(QString::fromStdString(listPath));
    return QStringLiteral("%1Direction/%2").arg(QLatin1String(round), QString::fromLatin1(path));
}

} // namespace

RoundDirection SavedDirection(const char* round, const std::string& listPath) {
    const int saved = QSettings().value(DirectionKey(round, listPath), 0).toInt();
    const bool known = saved >= static_cast<int>(RoundDirection::Forward) &&
                       saved <= static_cast<int>(RoundDirection::Listen);
    return known ? static_cast<RoundDirection>(saved) : RoundDirection::Forward;
}

void KeepDirection(const char* round, const std::string& listPath, RoundDirection direction) {
    QSettings().setValue(DirectionKey(round, listPath), static_cast<int>(direction));
}
