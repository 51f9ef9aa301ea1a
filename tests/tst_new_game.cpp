#include "Table.h"
#include "window/VorOdAra.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {

const QString WindowPrompt = QStringLiteral("输入窗口横纵宽度（各两位数）\r如1919表示横向19格纵向19格");
const QString WindowTitle = QStringLiteral("Varnek围棋1.0，窗口可以任意大小");
const QString BoardPrompt = QStringLiteral("输入棋盘横纵宽度（各两位数）\r如0810表示横向8格纵向10格");
const QString BoardTitle = QStringLiteral("Varnek围棋1.0，棋盘可以任意大小，但要小于窗口大小");
const QString ModePrompt = QStringLiteral("与Varnek电脑下输入1，电脑每次可下1-3子\n输入其他为双人对局");
const QString ModeTitle = QStringLiteral("Varnek围棋1.0，棋盘可以任意大小");

bool IsStarPoint(int column, int row)
{
    for (const Intersection& star : StarPoints)
        if (star.Col == column && star.Row == row)
            return true;
    return false;
}

bool OnlyBackground(const QImage& image)
{
    const QRgb background = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                return false;
    return qRed(background) == 192 && qGreen(background) == 192 && qBlue(background) == 255;
}

} // namespace

class NewGameTest : public QObject
{
    Q_OBJECT

private slots:
    void startUpAsksTheWindowSizeAndShowsTheWindow()
    {
        ScriptedPlatform desktop;
        desktop.Answers = {QStringLiteral("1919"), QStringLiteral("0810"), QStringLiteral("2")};
        VorOdAra window(desktop);
        QVERIFY(window.Load());
        QVERIFY(window.isVisible());
        QCOMPARE(window.windowTitle(), QStringLiteral("Varnek围棋1.0，棋盘可以任意大小"));
        QCOMPARE(window.centralWidget()->size(), QSize(794, 748));
        QCOMPARE(window.Board().ScaleWidth(), 20.0f);
        QCOMPARE(window.Board().ScaleHeight(), 20.0f);

        QCOMPARE(desktop.Prompts.size(), 3u);
        QCOMPARE(desktop.Prompts[0].Text, WindowPrompt);
        QCOMPARE(desktop.Prompts[0].Title, WindowTitle);
        QCOMPARE(desktop.Prompts[0].Default, QStringLiteral("1919"));
        QCOMPARE(desktop.Prompts[1].Text, BoardPrompt);
        QCOMPARE(desktop.Prompts[1].Title, BoardTitle);
        QCOMPARE(desktop.Prompts[1].Default, QStringLiteral("1919"));
        QCOMPARE(desktop.Prompts[2].Text, ModePrompt);
        QCOMPARE(desktop.Prompts[2].Title, ModeTitle);
        QCOMPARE(desktop.Prompts[2].Default, QString());

        const GameState& state = window.Play().State;
        QCOMPARE(state.BoardCols, 8);
        QCOMPARE(state.BoardRows, 10);
        QCOMPARE(state.GameMode, QStringLiteral("2"));
        QCOMPARE(state.SizeAnswer, QStringLiteral("0810"));
    }

    void theMenuBarHoldsThreeCommands()
    {
        ScriptedPlatform desktop;
        VorOdAra window(desktop);
        const QList<QAction*> commands = window.menuBar()->actions();
        QCOMPARE(commands.size(), 3);
        QCOMPARE(commands[0]->text(), QStringLiteral("&开始"));
        QCOMPARE(commands[1]->text(), QStringLiteral("&退出"));
        QCOMPARE(commands[2]->text(), QStringLiteral("&计数"));
        for (QAction* command : commands)
            QVERIFY(!command->menu());
    }

    void windowAnswersSetTheScale_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<float>("width");
        QTest::addColumn<float>("height");
        QTest::newRow("0810") << "0810" << 9.0f << 11.0f;
        QTest::newRow("0") << "0" << 1.0f << 1.0f;
        QTest::newRow("1919.5") << "1919.5" << 20.0f << 21.0f;
        QTest::newRow("finest accepted") << "10599" << 106.0f << 100.0f;
    }
    void windowAnswersSetTheScale()
    {
        QFETCH(QString, answer);
        QFETCH(float, width);
        QFETCH(float, height);
        Table table(answer);
        QCOMPARE(table.board.ScaleWidth(), width);
        QCOMPARE(table.board.ScaleHeight(), height);
        QCOMPARE(table.game.State.SizeAnswer, answer);
    }

    void refusedWindowAnswersAreAskedAgain()
    {
        ScriptedPlatform desktop;
        desktop.Answers = {QStringLiteral("abc"), QString(), QStringLiteral("-5"),
                           QStringLiteral("-0.3"), QStringLiteral("99999999999"),
                           QStringLiteral("0909"), QStringLiteral("0909"), QString()};
        VorOdAra window(desktop);
        QVERIFY(window.Load());
        QCOMPARE(desktop.Prompts.size(), 8u);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(desktop.Prompts[i].Text, WindowPrompt);
            QCOMPARE(desktop.Prompts[i].Default, QStringLiteral("1919"));
        }
        QCOMPARE(window.Board().ScaleWidth(), 10.0f);
    }

    void aCancelledWindowPromptEndsWithoutAWindow()
    {
        ScriptedPlatform desktop;
        desktop.Answers = {std::nullopt};
        VorOdAra window(desktop);
        QVERIFY(!window.Load());
        QVERIFY(!window.isVisible());
        QCOMPARE(desktop.Prompts.size(), 1u);
    }

    void refusedBoardAnswersAreAskedAgainAndDrawNothing()
    {
        Table table;
        QImage drawn;
        table.desktop.Answers = {QStringLiteral("x"), std::nullopt, QStringLiteral("3276700"),
                                 QStringLiteral("-3276900"), QStringLiteral("1e12"),
                                 QStringLiteral("0707"), QStringLiteral("1")};
        int boardPrompts = 0;
        table.board.Changed = [&] {
            if (drawn.isNull() && table.desktop.Prompts.size() < 6)
                drawn = table.board.Image();
        };
        table.game.NewGame();
        for (const ScriptedPlatform::Prompt& prompt : table.desktop.Prompts)
            boardPrompts += prompt.Text == BoardPrompt;
        QCOMPARE(boardPrompts, 6);
        QCOMPARE(table.desktop.Prompts.back().Text, ModePrompt);
        // The refused answers do not become the default of the next prompt.
        for (int i = 0; i < 6; ++i)
            QCOMPARE(table.desktop.Prompts[i].Default, QStringLiteral("1919"));
        QVERIFY(OnlyBackground(drawn));
        QCOMPARE(table.game.State.BoardCols, 7);
        QCOMPARE(table.game.State.SizeAnswer, QStringLiteral("0707"));
    }

    void columnPartsAtTheEdgesOfTheLoopAreAccepted()
    {
        Table table;
        table.NewGame(QStringLiteral("3276699"));
        QCOMPARE(table.game.State.BoardCols, 32766);
        QCOMPARE(table.game.State.BoardRows, 99);
        table.NewGame(QStringLiteral("-3276800"));
        QCOMPARE(table.game.State.BoardCols, -32768);
        QCOMPARE(table.Crossing(1, 1), Table::Background);
    }

    void theSecondGameOffersThePreviousBoardAnswer()
    {
        Table table;
        table.NewGame(QStringLiteral("0909"));
        table.NewGame(QStringLiteral("1313"), QStringLiteral("1"));
        QCOMPARE(table.desktop.Prompts[3].Default, QStringLiteral("0909"));
        QCOMPARE(table.game.State.GameMode, QStringLiteral("1"));
        QVERIFY(!table.game.State.WhiteToMove);
    }

    void theBoardReadsBackAsGridAndEmptyPoints_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("answer");
        QTest::newRow("19 by 19") << "1919" << "1919";
        QTest::newRow("9 by 9") << "1919" << "0909";
        QTest::newRow("13 by 13") << "1919" << "1313";
        QTest::newRow("8 by 10") << "1919" << "0810";
        QTest::newRow("units differ") << "0810" << "0810";
        QTest::newRow("one column") << "1919" << "0105";
        QTest::newRow("one row") << "1919" << "0501";
        QTest::newRow("one point") << "1919" << "0101";
        QTest::newRow("fine grid") << "5050" << "5050";
    }
    void theBoardReadsBackAsGridAndEmptyPoints()
    {
        QFETCH(QString, window);
        QFETCH(QString, answer);
        Table table(window);
        table.NewGame(answer);
        const int cols = table.game.State.BoardCols;
        const int rows = table.game.State.BoardRows;
        for (int c = 1; c <= cols; ++c) {
            for (int r = 1; r <= rows; ++r) {
                QCOMPARE(table.Crossing(c, r), Black);
                QCOMPARE(table.Probe(c, r), Table::Background);
            }
        }
        // Midway between crossings the lines run; beyond the board nothing.
        if (cols > 1)
            QCOMPARE(table.board.ColorAt(1.5f, 1.0f), Black);
        if (rows > 1)
            QCOMPARE(table.board.ColorAt(1.0f, 1.5f), Black);
        QVERIFY(table.Crossing(cols + 1, rows) != Black);
        QVERIFY(table.Crossing(cols, rows + 1) != Black);
        QCOMPARE(table.Crossing(0, 1), Table::Background);
        QCOMPARE(table.Crossing(1, 0), Table::Background);
    }

    void starDotsOnlyOnTheBoardOf19By19_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("dots");
        QTest::newRow("1919") << "1919" << true;
        QTest::newRow("0909") << "0909" << false;
        QTest::newRow("1313") << "1313" << false;
        QTest::newRow("0810") << "0810" << false;
        QTest::newRow("1920") << "1920" << false;
    }
    void starDotsOnlyOnTheBoardOf19By19()
    {
        QFETCH(QString, answer);
        QFETCH(bool, dots);
        Table table;
        table.NewGame(answer);
        for (int c = 1; c <= 19; ++c) {
            for (int r = 1; r <= 19; ++r) {
                // Off the grid lines, within a dot's radius.
                const Color nearCentre = table.board.ColorAt(c + 0.04f, r + 0.04f);
                const bool dotted = dots && IsStarPoint(c, r);
                QCOMPARE(nearCentre == Black, dotted);
            }
        }
    }

    void sevenGivesRowsWithoutAVerticalLine()
    {
        Table table;
        table.NewGame(QStringLiteral("7"));
        QCOMPARE(table.game.State.BoardCols, 0);
        for (int r = 1; r <= 7; ++r)
            QCOMPARE(table.Crossing(1, r), Black);
        // Lines from (1, j) to (0, j): nothing between the rows.
        QCOMPARE(table.board.ColorAt(1.0f, 1.5f), Table::Background);
        QCOMPARE(table.board.ColorAt(0.5f, 1.0f), Black);
        QCOMPARE(table.Crossing(1, 8), Table::Background);
    }

    void aBoardLargerThanTheWindowIsCutOff()
    {
        Table table;
        table.NewGame(QStringLiteral("2525"));
        QCOMPARE(table.Crossing(19, 19), Black);
        QCOMPARE(table.board.ColorAt(19.0f, 19.9f), Black);
        QCOMPARE(table.board.ColorAt(19.99f, 10.0f), Black);
        QCOMPARE(table.Crossing(20, 20), NoColor);
        QCOMPARE(table.Crossing(25, 25), NoColor);
    }

    void starDotsAreBlackAfterAWhiteStone()
    {
        Table table;
        table.NewGame(QStringLiteral("1919"));
        table.Put(White, {{1, 1}});
        table.NewGame(QStringLiteral("1919"));
        QCOMPARE(table.board.ColorAt(4.04f, 4.04f), Black);
        QCOMPARE(table.Probe(1, 1), Table::Background);
    }
};

QTEST_MAIN(NewGameTest)
#include "tst_new_game.moc"
