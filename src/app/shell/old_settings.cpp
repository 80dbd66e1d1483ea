#include "app/shell/old_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

void MoveOldSettings() {
    const QString current = QSettings().fileName();
    const QString old = QSettings(QStringLiteral("Local AppWizard-Generated Applications"),
                                  QStringLiteral("Glossatiles"))
                            .fileName();
    if (!QFileInfo::exists(old) || QFileInfo::exists(current)) {
        return;
    }
    const QString oldFolder = QFileInfo(old).absolutePath();
    if (QDir().mkpath(QFileInfo(current).absolutePath()) && QFile::rename(old, current)) {
        // Only when nothing else lives there.
        QDir().rmdir(oldFolder);
    }
}
