#include "platform/ThemeBell.h"

#include <QtTest>

namespace {

int fallbacks = 0;
void CountFallback() { ++fallbacks; }

} // namespace

// The bell's sound back end is chosen once per process, so CTest runs each
// case in a process of its own.
class DesktopBeep : public QObject
{
    Q_OBJECT

private slots:
    void fallsBackWithoutBackEnd()
    {
        qputenv("CANBERRA_DRIVER", "absent");
        RingThemeBell(CountFallback);
        RingThemeBell(CountFallback);
        QCOMPARE(fallbacks, 2);
    }

    // ALSA's null device takes the sound where no sound card exists.
    void playsWithoutFallback()
    {
        qputenv("CANBERRA_DRIVER", "alsa");
        qputenv("ALSA_CONFIG_PATH", QFINDTESTDATA("null-sound-card.conf").toLocal8Bit());
        RingThemeBell(CountFallback);
        RingThemeBell(CountFallback);
        QCOMPARE(fallbacks, 0);
    }
};

QTEST_GUILESS_MAIN(DesktopBeep)
#include "tst_desktop_beep.moc"
