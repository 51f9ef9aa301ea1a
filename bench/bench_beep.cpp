#include "platform/QtPlatform.h"
#include "platform/ThemeBell.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLocalServer>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
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

// The window's side of a beep (the desktop's Beep) or the bell's thread
// playing one bell (ThemeBell's Ring), on a bell that has rung before or on
// a new one, which opens its context as the bell does after a failure.
template <typename Bell, auto ring> void Ring(benchmark::State& timer, bool newBell)
{
    auto bell = std::make_unique<Bell>();
    if (!newBell) {
        std::invoke(ring, *bell);
        std::this_thread::sleep_for(Settle);
    }
    for (auto _ : timer) {
        std::invoke(ring, *bell);
        timer.PauseTiming();
        std::this_thread::sleep_for(Settle);
        if (newBell)
            bell = std::make_unique<Bell>();
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

    const auto add = [name = "/" + std::string(sound->Name)](const char* what, auto ring,
                                                              bool newBell, int iterations,
                                                              int repetitions) {
        benchmark::RegisterBenchmark((what + name).c_str(), ring, newBell)
            ->Iterations(iterations)
            ->Repetitions(repetitions)
            ->ReportAggregatesOnly(true);
    };
    add("Beep", Ring<QtPlatform, &QtPlatform::Beep>, false, 20, 9);
    // A stalled server never lets the bell's thread return.
    if (!stalls) {
        add("Played", Ring<ThemeBell, &ThemeBell::Ring>, false, 20, 9);
        add("NewContext", Ring<ThemeBell, &ThemeBell::Ring>, true, 10, 5);
    }

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
