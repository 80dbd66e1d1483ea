#include "app/learning/login_reminder.h"

#include "glossatiles_project.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

QString LoginReminderPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/%1.desktop").arg(QString::fromLatin1(GlossatilesAppId));
}

bool LoginReminderOn() {
    return QFileInfo::exists(LoginReminderPath());
}

QString LoginReminderEntry(const QString& program) {
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("glossatiles"));
    const bool plain = !onPath.isEmpty() && QFileInfo(onPath).canonicalFilePath() ==
                                                QFileInfo(program).canonicalFilePath();
    // A path with blanks is quoted, and its quotes and backslashes escaped, as desktop entries
    // want.
    QString quoted = program;
    quoted.replace(u'\\', QStringLiteral("\\\\"))
        .replace(u'"', QStringLiteral("\\\""))
        .replace(u'`', QStringLiteral("\\`"))
        .replace(u'$', QStringLiteral("\\$"));
    const QString command = plain ? QStringLiteral("glossatiles") : u'"' + quoted + u'"';
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Glossatiles reminder\n"
                          "Comment=Tells of the word pairs due for review today\n"
                          "Exec=%1 --remind\n"
                          "Icon=%2\n"
                          "NoDisplay=true\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(command, QString::fromLatin1(GlossatilesAppId));
}

bool SetLoginReminder(bool on, QString& problem) {
    const QString path = LoginReminderPath();
    if (!on) {
        QFile entry(path);
        if (entry.exists() && !entry.remove()) {
            problem = entry.errorString();
            return false;
        }
        return true;
    }
    QSaveFile entry(path);
    if (!QDir().mkpath(QFileInfo(path).path()) || !entry.open(QIODevice::WriteOnly) ||
        entry.write(LoginReminderEntry(QCoreApplication::applicationFilePath()).toUtf8()) < 0 ||
        !entry.commit()) {
        problem = entry.errorString();
        return false;
    }
    return true;
}
