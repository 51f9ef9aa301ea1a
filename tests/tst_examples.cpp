#include "PlayedWindow.h"

#include <QMenuBar>
#include <QTest>

// What random play rarely reaches: start-up's texts, a cancelled size,
// events in the middle of a turn, a computer without a point to play and
// the computer's numbers.
class ExamplesTest : public QObject
{
    Q_OBJECT

private slots:
    void startUpAsksItsQuestionsAndShowsTheWindow()
    {
        PlayedWindow played({"1919", "0810", "2"});
        QStringList asked;
        for (const ScriptedPlatform::Prompt& prompt : played.desktop.Prompts)
            asked << prompt.Text << prompt.Title << prompt.Default;
        QCOMPARE(asked, QStringList({"输入窗口横纵宽度（各两位数）\r如1919表示横向19格纵向19格",
                                     "Varnek围棋1.0，窗口可以任意大小", "1919",
                                     "输入棋盘横纵宽度（各两位数）\r如0810表示横向8格纵向10格",
                                     "Varnek围棋1.0，棋盘可以任意大小，但要小于窗口大小", "1919",
                                     "与Varnek电脑下输入1，电脑每次可下1-3子\n输入其他为双人对局",
                                     "Varnek围棋1.0，棋盘可以任意大小", ""}));
        const VorOdAra& window = played.window;
        QVERIFY(window.isVisible());
        QCOMPARE(window.windowTitle(), "Varnek围棋1.0，棋盘可以任意大小");
        QCOMPARE(window.windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
        QCOMPARE(window.centralWidget()->size(), DrawingArea);
        QStringList commands;
        for (const QAction* command : window.menuBar()->actions())
            commands << command->objectName() + command->text() + (command->menu() ? "+" : "");
        QCOMPARE(commands, QStringList({"Start&开始", "end&退出", "计数&计数"}));
        // A new game offers the last board answer and keeps the scale.
        played.desktop.Answers = {"0505", "1"};
        played.Command("Start")->trigger();
        QCOMPARE(played.desktop.Prompts[3].Default, "0810");
        QCOMPARE(window.Board().ScaleWidth(), 20.0f);
    }

    // Cancel ends the program at the window's size, and is asked again at
    // the board's.
    void cancelledSizes()
    {
        QVERIFY(!PlayedWindow({std::nullopt}).window.isVisible());
        PlayedWindow played({"1919", std::nullopt, "0909", "2"});
        QCOMPARE(played.desktop.Prompts.size(), 4u);
        QCOMPARE(played.State().BoardCols, 9);
    }

    // Every device pixel of the view is the image's own.
    void theViewShowsTheBoardPixelForPixel()
    {
        PlayedWindow played({"1919", "1919", "2"});
        played.Release(4, 4);
        const QImage shown = played.window.centralWidget()->grab().toImage();
        QVERIFY(shown.width() >= int(DrawingArea.width() * qGuiApp->devicePixelRatio()));
        QVERIFY(shown.convertToFormat(QImage::Format_RGB32)
                == played.window.Board().Image().copy(QRect(QPoint(), shown.size())));
    }

    // While a turn runs, a release does nothing and only quitting stays in
    // the menu; quitting stops the computer's turn at once.
    void eventsInTheMiddleOfATurn()
    {
        for (const char* mode : {"1", "2"}) {
            PlayedWindow played({"1919", "0909", mode});
            int yields = 0;
            played.desktop.OnYield = [&] {
                QVERIFY(!played.Command("Start")->isEnabled()
                        && !played.Command("计数")->isEnabled());
                QVERIFY(played.Command("end")->isEnabled());
                if (yields++ == 0)
                    played.Release(3, 3);
            };
            played.Release(5, 5);
            QVERIFY(yields > 0);
            QCOMPARE(played.Probe(3, 3), Background);
            QVERIFY(played.Command("Start")->isEnabled() && played.Command("计数")->isEnabled());
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
        QVERIFY(!played.window.isVisible());
        QCOMPARE(played.desktop.Beeps, 0);
        played.window.Play().CountStones();
        QCOMPARE(played.desktop.Messages.back(), "黑子1  白子1");
    }

    // On a full board the computer's turn still ends, with one beep and
    // black to move.
    void theComputerWithoutAPointToPlay()
    {
        PlayedWindow played({"1919", "0202", "1"});
        played.Release(1, 1);
        for (int c = 1; c <= 2; ++c) {
            for (int r = 1; r <= 2; ++r) {
                played.State().WhiteToMove = c + r > 2;
                played.window.Play().PlaceStone(c, r);
            }
        }
        played.window.Play().ComputerTurn();
        QCOMPARE(played.desktop.Beeps, 2);
        QCOMPARE(played.State().ComputerBusy, 0);
        QVERIFY(!played.State().WhiteToMove);
    }

    // Every run alike, below 1, and thirds alike, so that one, two and three
    // stones are equally likely.
    void theComputersNumbersAreUniform()
    {
        FixedStartRandom random;
        FixedStartRandom again;
        int thirds[3] = {};
        for (int i = 0; i < 30000; ++i) {
            const float u = random.Next();
            QVERIFY(u >= 0 && u < 1 && u == again.Next());
            ++thirds[int(u * 3)];
        }
        for (const int third : thirds)
            QVERIFY(std::abs(third - 10000) < 300);
    }
};

QTEST_MAIN(ExamplesTest)
#include "tst_examples.moc"
