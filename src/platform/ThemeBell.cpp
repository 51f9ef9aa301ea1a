#include "ThemeBell.h"

#include <alsa/asoundlib.h>
#include <canberra.h>

namespace {

// ALSA reports a missing sound card on the terminal at every attempt; the
// fallback is meant to be silent.
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// Null where canberra has no back end to play through.
ca_context* OpenContext()
{
    snd_lib_error_set_handler(IgnoreAlsaError);
    ca_context* context = nullptr;
    if (ca_context_create(&context) != CA_SUCCESS)
        return nullptr;
    if (ca_context_open(context) != CA_SUCCESS) {
        ca_context_destroy(context);
        return nullptr;
    }
    return context;
}

} // namespace

void RingThemeBell(void (*fallback)())
{
    // Kept until the process ends: destroying it unloads canberra's ALSA back
    // end while the thread that played the last bell may still be returning
    // into it, which crashes the program as it quits.
    static ca_context* const context = OpenContext();
    if (!context
        || ca_context_play(context, 0, CA_PROP_EVENT_ID, "bell",
                           static_cast<const char*>(nullptr)) != CA_SUCCESS)
        fallback();
}
