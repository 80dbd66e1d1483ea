#include "app/shell/recent_file_list.h"

#include <QSettings>

namespace {
const QString Group = QStringLiteral("Recent File List");

QString Key(int index) {
    return QStringLiteral("File%1").arg(index + 1);
}
} // namespace

RecentFileList::RecentFileList(int capacity, QObject* parent)
    : QObject(parent), capacity_(capacity) {
    QSettings settings;
    settings.beginGroup(Group);
    for (int i = 0; i < capacity_; ++i) {
        const QString path = settings.value(Key(i)).toString();
        if (!path.isEmpty() && !files_.contains(path)) {
            files_.append(path);
        }
    }
}

void RecentFileList::Add(const QString& path) {
    files_.removeAll(path);
    files_.prepend(path);
    while (files_.size() > capacity_) {
        files_.removeLast();
    }
    Store();
    emit Changed();
}

void RecentFileList::Remove(const QString& path) {
    if (files_.removeAll(path) == 0) {
        return;
    }
    Store();
    emit Changed();
}

void RecentFileList::Store() const {
    QSettings settings;
    settings.beginGroup(Group);
    for (int i = 0; i < capacity_; ++i) {
        if (i < files_.size()) {
            settings.setValue(Key(i), files_[i]);
        } else {
            settings.remove(Key(i));
        }
    }
}
