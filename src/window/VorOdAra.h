#pragma once

#include "Game.h"
#include "platform/drawing/Surface.h"

#include <QGuiApplication>
#include <QMainWindow>

class BoardView;
class Platform;

// The game's one window: its whole drawing area is the board.
class VorOdAra : public QMainWindow
{
public:
    // The board is drawn at the device pixel ratio, by default the screen's,
    // with as many stamps as the surface remembers.
    explicit VorOdAra(Platform& desktop, qreal devicePixelRatio = qGuiApp->devicePixelRatio(),
                      std::size_t stamps = Surface::DefaultStamps);

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
