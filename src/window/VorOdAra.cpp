#include "VorOdAra.h"

#include "BoardView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>

namespace {

const QString Caption = QStringLiteral("Varnek围棋1.0，棋盘可以任意大小");
const Color WindowBackColor = Rgb(192, 192, 255);
// 11910 x 11220 twips at 15 twips a pixel.
const QSize DrawingAreaSize(794, 748);
const QString IconFile = QStringLiteral(":/vorodara.png");

} // namespace

VorOdAra::VorOdAra(Platform& desktop, qreal devicePixelRatio, std::size_t stamps)
    : board(DrawingAreaSize, WindowBackColor, devicePixelRatio, stamps)
    , game(board, desktop)
    , view(new BoardView(board, this))
{
    setWindowTitle(Caption);
    setWindowIcon(QIcon(IconFile));
    setCentralWidget(view);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Start = menuBar()->addAction(QStringLiteral("&开始"), [this] { game.NewGame(); });
    end = menuBar()->addAction(QStringLiteral("&退出"), [this] { close(); });
    计数 = menuBar()->addAction(QStringLiteral("&计数"), [this] { game.CountStones(); });
    Start->setObjectName(QStringLiteral("Start"));
    end->setObjectName(QStringLiteral("end"));
    计数->setObjectName(QStringLiteral("计数"));

    board.Changed = [this] { view->BoardChanged(); };
    view->Released = [this](QPointF position) { BoardReleased(position); };
}

bool VorOdAra::Load()
{
    if (!game.AskWindowSize())
        return false;
    show();
    game.NewGame();
    return true;
}

// One turn at a time: while a turn runs, releases are ignored and only
// quitting stays in the menu.
void VorOdAra::BoardReleased(QPointF position)
{
    if (turnInProgress)
        return;
    const QPointF units = board.BoardPoint(position);
    turnInProgress = true;
    Start->setEnabled(false);
    计数->setEnabled(false);
    try {
        game.MouseRelease(float(units.x()), float(units.y()));
    } catch (const TurnAbandoned&) {
        return;
    }
    Start->setEnabled(true);
    计数->setEnabled(true);
    turnInProgress = false;
}

void VorOdAra::closeEvent(QCloseEvent* event)
{
    game.Abandon();
    event->accept();
    QApplication::quit();
}
