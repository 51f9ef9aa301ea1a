#pragma once

#include "Game.h"
#include "platform/Surface.h"

#include <QMainWindow>

class BoardView;
class Platform;

// The game's one window: its whole drawing area is the board.
class VorOdAra : public QMainWindow
{
public:
    explicit VorOdAra(Platform& desktop, qreal devicePixelRatio = 1);

    // Start-up: asks the window size, shows the window and starts a game.
    // False when the first prompt was cancelled; the window stays hidden.
    bool Load();

    Game& Play() { return game; }
    const Surface& Board() const { return board; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BoardReleased(QPointF position);

    Surface board;
    Game game;
    BoardView* view;
    QAction* Start;
    QAction* end;
    QAction* 计数;
    bool turnInProgress = false;
};
