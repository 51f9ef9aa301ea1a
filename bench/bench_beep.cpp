#include "platform/QtPlatform.h"
#include "platform/ThemeBell.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLocalServer>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <thread>

// What the desktop's beep costs the window's thread, and what playing the
// bell costs the bell's own thread. The argument chooses where the bell
// sounds, once per process:
//   playing     ALSA's null device: played, and nothing is heard (the default)
//   unplayable  a canberra driver that does not exist: no context opens
//   no-card     ALSA without a device: a context opens, and cannot play
//   desktop     whatever the environment offers: run it with a sound server
//               and without one
//   stalled     a sound server that accepts and never answers: PULSE_SERVER's
//               (a PulseAudio stopped with SIGSTOP), or else a socket of the
//               benchmark's own; the bell's thread is stuck for good
// Where the theme cannot sound, every beep is a failed try at a new context
// and then the window system's bell.

namespace {

struct Sound
{
    std::string_view Name;
    const char* Driver;
    const char* AlsaConfig;
};

const Sound Sounds[] = {
    {"playing", "alsa", NULL_SOUND_CARD},
    {"unplayable", "absent", NULL_SOUND_CARD},
    {"no-card", "alsa", "/dev/null"},
    {"desktop", nullptr, nullptr},
    {"stalled", "pulse", nullptr},
};

// The game beeps once a turn, seconds apart: each beep is timed once the
// one before has had time to finish.
constexpr auto Settle = std::chrono::milliseconds(50);

// The window's side of a beep, on a bell that has rung before.
void Beep(benchmark::State& timer)
{
    QtPlatform desktop;
    desktop.Beep();
    std::this_thread::sleep_for(Settle);
    for (auto _ : timer) {
        desktop.Beep();
        timer.PauseTiming();
        std::this_thread::sleep_for(Settle);
        timer.ResumeTiming();
    }
}

// The bell's thread playing one bell, on a bell that has played before or
// on a new one, which opens its context as the bell does after a failure.
void Play(benchmark::State& timer, bool newBell)
{
    auto bell = std::make_unique<ThemeBell>();
    if (!newBell) {
        bell->Ring();
        std::this_thread::sleep_for(Settle);
    }
    for (auto _ : timer) {
        bell->Ring();
        timer.PauseTiming();
        std::this_thread::sleep_for(Settle);
        if (newBell)
            bell = std::make_unique<ThemeBell>();
        timer.ResumeTiming();
    }
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    const std::string_view chosen = argc > 1 ? argv[1] : Sounds[0].Name;
    const Sound* sound = std::ranges::find(Sounds, chosen, &Sound::Name);
    if (sound == std::end(Sounds)) {
        std::fprintf(stderr, "no such sound: %s\n", argv[1]);
        return 2;
    }
    if (sound->Driver)
        qputenv("CANBERRA_DRIVER", sound->Driver);
    if (sound->AlsaConfig)
        qputenv("ALSA_CONFIG_PATH", sound->AlsaConfig);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Connections wait in the socket's queue, and nothing ever answers them.
    QTemporaryDir silentDir;
    QLocalServer silent;
    const bool stalls = sound->Name == "stalled";
    if (stalls && !qEnvironmentVariableIsSet("PULSE_SERVER")) {
        silent.listen(silentDir.filePath("pulse"));
        qputenv("PULSE_SERVER", "unix:" + silent.fullServerName().toUtf8());
    }

    const std::string name = "/" + std::string(sound->Name);
    benchmark::RegisterBenchmark(("Beep" + name).c_str(), Beep)
        ->Iterations(20)
        ->Repetitions(9)
        ->ReportAggregatesOnly(true);
    // A stalled server never lets them return.
    if (!stalls) {
        benchmark::RegisterBenchmark(("Played" + name).c_str(), Play, false)
            ->Iterations(20)
            ->Repetitions(9)
            ->ReportAggregatesOnly(true);
        benchmark::RegisterBenchmark(("NewContext" + name).c_str(), Play, true)
            ->Iterations(10)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true);
    }

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
