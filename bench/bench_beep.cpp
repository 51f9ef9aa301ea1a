#include "platform/QtPlatform.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <chrono>
#include <string>
#include <string_view>
#include <thread>

// What the desktop's beep costs the computer's turn. The bell's sound back
// end is chosen once per process: a run plays into ALSA's null device, so
// nothing is heard, or with the argument "unplayable" has no back end at all
// and falls back to the window system's bell.

namespace {

// The game beeps once a turn, seconds apart: each beep is timed once the
// one before has had time to finish.
constexpr auto Settle = std::chrono::milliseconds(50);

void Beep(benchmark::State& timer)
{
    QtPlatform desktop;
    for (auto _ : timer) {
        desktop.Beep();
        timer.PauseTiming();
        std::this_thread::sleep_for(Settle);
        timer.ResumeTiming();
    }
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    const bool unplayable = argc > 1 && std::string_view(argv[1]) == "unplayable";
    qputenv("CANBERRA_DRIVER", unplayable ? "absent" : "alsa");
    qputenv("ALSA_CONFIG_PATH", NULL_SOUND_CARD);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const std::string sound = unplayable ? "/falling back" : "/playing";
    // The first beep also opens the sound back end and finds the theme's file.
    benchmark::RegisterBenchmark(("FirstBeep" + sound).c_str(), Beep)->Iterations(1);
    benchmark::RegisterBenchmark(("Beep" + sound).c_str(), Beep)
        ->Iterations(20)
        ->Repetitions(9)
        ->ReportAggregatesOnly(true);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
