#include "PlayedWindow.h"

#include <QMenuBar>
#include <QTest>

// What random play rarely reaches: start-up's texts, cancelled sizes, the
// view's pixels, events in the middle of a turn, a computer without a point
// to play and the computer's numbers.
class ExamplesTest : public QObject
{
    Q_OBJECT

private slots:
    void startUpAsksItsQuestionsAndShowsTheWindow()
    {
        PlayedWindow played({"1919", "0810", "2"});
        QCOMPARE(played.desktop.Prompts,
                 QStringList({"输入窗口横纵宽度（各两位数）\r如1919表示横向19格纵向19格",
                              "Varnek围棋1.0，窗口可以任意大小", "1919",
                              "输入棋盘横纵宽度（各两位数）\r如0810表示横向8格纵向10格",
                              "Varnek围棋1.0，棋盘可以任意大小，但要小于窗口大小", "1919",
                              "与Varnek电脑下输入1，电脑每次可下1-3子\n输入其他为双人对局",
                              "Varnek围棋1.0，棋盘可以任意大小", ""}));
        QStringList window{played.window.windowTitle()};
        for (const QAction* command : played.window.menuBar()->actions())
            window << command->objectName() + command->text() + (command->menu() ? "+" : "");
        QCOMPARE(window, QStringList({"Varnek围棋1.0，棋盘可以任意大小", "Start&开始", "end&退出",
                                      "计数&计数"}));
        QCOMPARE(played.window.windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
        QCOMPARE(played.window.centralWidget()->size(), DrawingArea);
        // A new game offers the last board answer and keeps the scale.
        played.desktop.Answers = {"0505", "1"};
        played.Command("Start")->trigger();
        QCOMPARE(played.desktop.Prompts[11], "0810");
        QCOMPARE(played.window.Board().ScaleWidth(), 20.0f);
    }

    // Cancel ends the program at the window's size and is asked again at
    // the board's.
    void cancelledSizes()
    {
        QVERIFY(!PlayedWindow({std::nullopt}).window.isVisible());
        PlayedWindow played({"1919", std::nullopt, "0909", "2"});
        QCOMPARE(played.State().BoardCols, 9);
    }

    // Every device pixel of the view is the image's own.
    void theViewShowsTheBoardPixelForPixel()
    {
        PlayedWindow played({"1919", "1919", "2"});
        played.Release(4, 4);
        const QImage shown = played.window.centralWidget()->grab().toImage();
        QVERIFY(shown.width() >= DrawingArea.width() * qGuiApp->devicePixelRatio());
        QVERIFY(shown.convertToFormat(QImage::Format_RGB32)
                == played.window.Board().Image().copy(shown.rect()));
    }

    // While a turn runs, a release does nothing and only quitting stays in
    // the menu; quitting stops the computer's turn at once.
    void eventsInTheMiddleOfATurn()
    {
        for (const char* mode : {"1", "2"}) {
            PlayedWindow played({"1919", "0909", mode});
            played.desktop.OnYield = [&] {
                QVERIFY(!played.Command("Start")->isEnabled()
                        && !played.Command("计数")->isEnabled()
                        && played.Command("end")->isEnabled());
                played.Release(3, 3);
            };
            played.Release(5, 5);
            QVERIFY(played.desktop.Yields > 0);
            QCOMPARE(played.Probe(3, 3), Background);
            played.desktop.OnYield = [] {};
            played.Release(3, 3);
            QVERIFY(played.Probe(3, 3) != Background);
        }
        PlayedWindow played({"1919", "0909", "1"});
        played.desktop.OnYield = [&] {
            if (played.State().ComputerBusy)
                played.Command("end")->trigger();
        };
        played.Release(5, 5);
        played.window.Play().CountStones();
        QCOMPARE(played.desktop.Messages, QStringList{"黑子1  白子1"});
        QCOMPARE(played.desktop.Beeps, 0);
    }

    // On a full board the computer's turn still ends, with a beep and black
    // to move.
    void theComputerWithoutAPointToPlay()
    {
        PlayedWindow played({"1919", "0102", "1"});
        played.Release(1, 1);
        played.State().WhiteToMove = true;
        played.window.Play().PlaceStone(1, 1);
        played.window.Play().ComputerTurn();
        QCOMPARE(played.desktop.Beeps, 2);
        QVERIFY(!played.State().WhiteToMove && !played.State().ComputerBusy);
    }

    // Thirds alike, so one, two and three stones are equally likely; never 1.
    void theComputersNumbersAreUniform()
    {
        FixedStartRandom random;
        int thirds[4] = {};
        for (int i = 0; i < 30000; ++i)
            ++thirds[int(random.Next() * 3)];
        QVERIFY(std::abs(thirds[0] - 10000) < 300 && std::abs(thirds[2] - 10000) < 300
                && !thirds[3]);
    }
};

QTEST_MAIN(ExamplesTest)
#include "tst_examples.moc"
