#pragma once

#include <QObject>

#include <array>

class QLabel;
class QStatusBar;

// The CAP, NUM and SCRL panes of the status bar: lit while the lock key is on. Lock states are
// read from the X server; elsewhere the panes stay unlit.
class KeyLockIndicators : public QObject {
    Q_OBJECT
public:
    explicit KeyLockIndicators(QStatusBar* statusBar);

    const std::array<QLabel*, 3>& Panes() const { return panes_; }
    void Refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QLabel*, 3> panes_{};
};
