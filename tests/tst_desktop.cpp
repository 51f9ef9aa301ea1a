#include "PlayedWindow.h"
#include "platform/AppIdentity.h"
#include "platform/QtPlatform.h"
#include "platform/ThemeBell.h"

#include <QLabel>
#include <QLocalServer>
#include <QMenuBar>
#include <QProcess>
#include <QSemaphore>
#include <QTest>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>

// The desktop's own parts, which the game's tests replace by a script.
class DesktopTest : public QObject
{
    Q_OBJECT

private slots:
    // The desktop's dialogs, answered by key as a user would once they show:
    // a carriage return shows as a line break, Escape gives no answer at all.
    // Each is wide enough for its title (one as long as the game's longest),
    // wherever the frame is drawn: the title in the frame's font, a quarter
    // larger than the dialog's, and five lines' room for the frame's buttons
    // on either side of it.
    void theDialogs()
    {
        QtPlatform desktop;
        QString shown;
        const auto press = [&](Qt::Key key = Qt::Key_Return) {
            QTimer::singleShot(0, [&, key] {
                auto* dialog = QApplication::activeModalWidget();
                const auto font = dialog->fontMetrics();
                for (const QLabel* label : dialog->findChildren<QLabel*>())
                    shown += label->text();
                if (dialog->width()
                    < font.horizontalAdvance(dialog->windowTitle()) * 1.25 + 10 * font.height())
                    shown += " narrow";
                QTest::keyClick(dialog, key);
            });
        };
        press();
        QCOMPARE(desktop.InputBox("a\rb", QString(30, u'棋'), "1919"), "1919");
        press(Qt::Key_Escape);
        QVERIFY(!desktop.InputBox("c", "", "1919"));
        press();
        desktop.MsgBox("d");
        QCOMPARE(shown, "a\nbcd");
    }

    // The theme's bell where canberra plays, not where it cannot open or
    // cannot play; each beep tries the theme anew.
    void theBell()
    {
        ThemeBell bell;
        QString played;
        for (const char* alsaConfig : {"", NULL_SOUND_CARD, "/dev/null", NULL_SOUND_CARD}) {
            qputenv("CANBERRA_DRIVER", *alsaConfig ? "alsa" : "absent");
            qputenv("ALSA_CONFIG_PATH", alsaConfig);
            played += bell.Ring() ? "+" : "-";
        }
        QCOMPARE(played, "-+-+");
    }

    // The bell through sound servers of the test's own, each run its own.
    // One that accepts and never answers holds up the bell alone: the beep
    // returns, and the desktop goes at once. A real one's log shows the
    // stream by the game's name and icon, as the desktop's sound settings
    // do; that is skipped where PulseAudio cannot start.
    void theSoundServers()
    {
        QTemporaryDir dir;
        qputenv("CANBERRA_DRIVER", "pulse");
        qputenv("PULSE_SERVER", "unix:" + dir.filePath("s").toUtf8());
        {
            QLocalServer stalled;
            stalled.listen(dir.filePath("s"));
            QtPlatform desktop;
            desktop.Beep();
            QTRY_VERIFY(stalled.hasPendingConnections());
        }
        // With a runtime directory of its own, so that runs at once do not
        // meet, and logging each stream it plays.
        QProcess pulse;
        pulse.setEnvironment({"XDG_RUNTIME_DIR=" + dir.path()});
        pulse.start("pulseaudio", {"-nv", "--daemonize=no", "-Lmodule-null-sink",
                                   "-Lmodule-native-protocol-unix socket=" + dir.filePath("s")});
        // A bell rings at each try, until the server has logged its stream
        // or has stopped.
        ThemeBell bell;
        QString log;
        QTRY_VERIFY(((bell.Ring(), log += pulse.readAllStandardError())
                         .contains("application.name = \"" + QString(ApplicationName) + '"')
                     && log.contains("application.icon_name = \"" + QString(IconName) + '"'))
                    || !pulse.waitForStarted());
        if (!pulse.waitForStarted())
            QSKIP(qPrintable("PulseAudio cannot start: " + log + pulse.errorString()));
        pulse.close();
    }

    // A long game's bells: asks while one plays, or is stuck, ring one more
    // after it and none once they stop, and each that cannot play says so.
    // The bell's thread goes at once while stuck, and may outlive the test.
    void aLongGamesBells()
    {
        static QAtomicInt rings, silent;
        static QSemaphore going;
        {
            BellThread bell([] { ++rings; going.acquire(); return false; }, [] { ++silent; });
            bell.Ring();
            QTRY_COMPARE(rings, 1);
            for (int ask = 0; ask < 100; ++ask)
                bell.Ring();
            going.release(2);
            QTRY_COMPARE(silent, 2);
            QTest::qWait(20);
            QCOMPARE(rings, 2);
            bell.Ring();
            QTRY_COMPARE(rings, 3);
        }
        going.release();
    }

    // Input that the window system queued as a turn starts reaches the game
    // at the turn's first yield, where only quitting stays in the menu: a
    // second release is ignored, and 退出 stops the turn before the computer
    // answers.
    void inputAtTheYield()
    {
        PlayedWindow played({"1919", "0909", "1"});
        QtPlatform desktop;
        played.desktop.OnYield = [&] {
            QVERIFY(!played.Command("Start")->isEnabled() && !played.Command("计数")->isEnabled()
                    && played.Command("end")->isEnabled());
            desktop.YieldToEvents();
        };
        const auto& window = played.window;
        const auto click = [&](const QWidget* widget, QPointF at) {
            at = widget->mapTo(&window, at) * window.devicePixelRatio();
            for (const Qt::MouseButtons held : {Qt::LeftButton, Qt::NoButton})
                QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
                    window.windowHandle(), at, at, held, Qt::LeftButton,
                    held ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease);
        };
        click(window.centralWidget(), played.InView(5, 5));
        click(window.centralWidget(), played.InView(3, 3));
        click(window.menuBar(), window.menuBar()->actionGeometry(played.Command("end")).center());
        QCoreApplication::processEvents();
        QVERIFY(!window.isVisible() && !played.desktop.Beeps);
        QVERIFY(played.Probe(5, 5) == Black && played.Probe(3, 3) == Background);
    }

    // The computer's numbers fall in thirds alike, and never on 1.
    void theRandomNumbers()
    {
        FixedStartRandom random;
        int thirds[4] = {};
        for (int i = 0; i < 30000; ++i)
            ++thirds[std::min(3, int(random.Next() * 3))];
        QVERIFY(std::abs(thirds[0] - 10000) + std::abs(thirds[2] - 10000) < 500 && !thirds[3]);
    }
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
