#include "ThemeBell.h"

#include "AppIdentity.h"

#include <alsa/asoundlib.h>
#include <canberra.h>

#include <mutex>
#include <vector>

namespace {

// ALSA reports a missing sound card on the terminal at every attempt; the
// fallback is meant to be silent.
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// Destroying a context that has played unloads canberra's ALSA back end
// while the thread that played its last bell may still be returning into
// it, which crashes the program. Held here until the process ends, such
// contexts also stay reachable for leak checkers. Bells on threads of their
// own may end at once.
void KeepForever(ca_context* context)
{
    static std::mutex keeping;
    static auto* const kept = new std::vector<ca_context*>;
    const std::lock_guard lock(keeping);
    kept->push_back(context);
}

// Null where canberra has no back end to play through.
ca_context* OpenContext()
{
    snd_lib_error_set_handler(IgnoreAlsaError);
    ca_context* context = nullptr;
    if (ca_context_create(&context) != CA_SUCCESS)
        return nullptr;
    // Without them the desktop's sound settings call the stream "libcanberra".
    ca_context_change_props(context, CA_PROP_APPLICATION_NAME, ApplicationName,
                            CA_PROP_APPLICATION_ID, DesktopId, CA_PROP_APPLICATION_ICON_NAME,
                            IconName, static_cast<const char*>(nullptr));
    if (ca_context_open(context) != CA_SUCCESS) {
        ca_context_destroy(context);
        return nullptr;
    }
    return context;
}

bool Play(ca_context* context)
{
    return ca_context_play(context, 0, CA_PROP_EVENT_ID, "bell", static_cast<const char*>(nullptr))
           == CA_SUCCESS;
}

} // namespace

ThemeBell::~ThemeBell()
{
    if (context)
        KeepForever(context);
}

// A context plays into nothing once its sound server has restarted, and none
// opens before a server has started: each beep that fails tries one new
// context. Only a context that has played is kept.
bool ThemeBell::Ring()
{
    if (context && Play(context))
        return true;
    if (context)
        KeepForever(context);
    context = OpenContext();
    if (context && !Play(context)) {
        // No thread of canberra's ever ran in it.
        ca_context_destroy(context);
        context = nullptr;
    }
    return context != nullptr;
}
