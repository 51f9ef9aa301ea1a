#include "PlayedWindow.h"
#include "platform/QtPlatform.h"
#include "platform/ThemeBell.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

// The desktop's own parts, which the game's tests replace by a script.
class DesktopTest : public QObject
{
    Q_OBJECT

private slots:
    // The desktop's dialogs, answered by key as a user would once they show:
    // a carriage return shows as a line break, Escape gives no answer at all.
    void theDialogs()
    {
        QtPlatform desktop;
        QString shown;
        const auto press = [&](Qt::Key key) {
            QTimer::singleShot(0, [&, key] {
                QWidget* dialog = QApplication::activeModalWidget();
                for (const QLabel* label : dialog->findChildren<QLabel*>())
                    shown += label->text();
                QTest::keyClick(dialog, key);
            });
        };
        press(Qt::Key_Return);
        QCOMPARE(desktop.InputBox("a\rb", "", "1919"), "1919");
        press(Qt::Key_Escape);
        QCOMPARE(desktop.InputBox("c", "", "1919"), std::nullopt);
        press(Qt::Key_Return);
        desktop.MsgBox("黑子1  白子2");
        QCOMPARE(shown, "a\nbc黑子1  白子2");
        // The first yield after a while lets pending events run.
        bool ran = false;
        QTimer::singleShot(0, [&] { ran = true; });
        desktop.YieldToEvents();
        QVERIFY(ran);
    }

    // The theme's bell where canberra plays, the fallback where it cannot
    // open or cannot play; each beep tries the theme anew.
    void theBell()
    {
        int fallbacks = 0;
        ThemeBell bell([&] { ++fallbacks; });
        const auto ring = [&](const char* driver, const char* alsaConfig) {
            qputenv("CANBERRA_DRIVER", driver);
            qputenv("ALSA_CONFIG_PATH", alsaConfig);
            bell.Ring();
            return fallbacks;
        };
        QCOMPARE(ring("absent", NULL_SOUND_CARD), 1);
        QCOMPARE(ring("alsa", NULL_SOUND_CARD), 1);
        QCOMPARE(ring("alsa", "/dev/null"), 2);
        QCOMPARE(ring("alsa", NULL_SOUND_CARD), 2);
    }

    // While a turn runs, a release does nothing and only quitting stays in
    // the menu; quitting stops the computer's turn at once. Every device
    // pixel of the view is the board's own.
    void eventsInTheMiddleOfATurn()
    {
        PlayedWindow twoPlayers({"1919", "0909", "2"});
        twoPlayers.desktop.OnYield = [&] {
            QVERIFY(!twoPlayers.Command("Start")->isEnabled()
                    && !twoPlayers.Command("计数")->isEnabled()
                    && twoPlayers.Command("end")->isEnabled());
            twoPlayers.Release(3, 3);
        };
        twoPlayers.Release(5, 5);
        QVERIFY(twoPlayers.desktop.Yields > 0);
        QCOMPARE(twoPlayers.Probe(3, 3), Background);
        const QImage shown = twoPlayers.window.centralWidget()->grab().toImage();
        QVERIFY(shown.convertToFormat(QImage::Format_RGB32)
                == twoPlayers.window.Board().Image().copy(shown.rect()));
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
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
