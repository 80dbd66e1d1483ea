#pragma once

#include <QObject>
#include <QStringList>

// The most recently used files, newest first, kept across runs in the user's settings.
class RecentFileList : public QObject {
    Q_OBJECT
public:
    explicit RecentFileList(int capacity, QObject* parent = nullptr);

    QStringList Files() const { return files_; }
    // Moves the file to the front, dropping the oldest entry when the list is full.
    void Add(const QString& path);
    void Remove(const QString& path);

signals:
    void Changed();

private:
    void Store() const;

    int capacity_;
    QStringList files_;
};
