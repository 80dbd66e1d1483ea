#pragma once

#include <QObject>

#include <optional>

class BoardDisplay;
class QScrollArea;

// How large the board is shown: a chosen scale, with scroll bars when the window is smaller, or
// as large as the window allows. The choice is remembered; until one is made the board fits a
// maximised window and keeps its own size in any other.
class BoardZoom : public QObject {
    Q_OBJECT
public:
    BoardZoom(QScrollArea& area, BoardDisplay& board);

    void ZoomIn();
    void ZoomOut();
    void FitToWindow();
    // Lays the board out again for the window's size and state.
    void Apply();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    qreal FittingScale() const;
    void Choose(std::optional<qreal> fixed);

    QScrollArea& area_;
    BoardDisplay& board_;
    // A scale the player chose, or nullopt for Fit to Window.
    std::optional<qreal> fixed_;
    bool chosen_ = false;
};
