#include "ThemeBell.h"

#include <alsa/asoundlib.h>
#include <canberra.h>

#include <memory>

namespace {

struct ContextRelease
{
    void operator()(ca_context* context) const { ca_context_destroy(context); }
};
using Context = std::unique_ptr<ca_context, ContextRelease>;

// ALSA reports a missing sound card on the terminal at every attempt; the
// fallback is meant to be silent.
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// Null where canberra has no back end to play through.
Context OpenContext()
{
    snd_lib_error_set_handler(IgnoreAlsaError);
    ca_context* created = nullptr;
    if (ca_context_create(&created) != CA_SUCCESS)
        return nullptr;
    Context context(created);
    if (ca_context_open(created) != CA_SUCCESS)
        return nullptr;
    return context;
}

} // namespace

void RingThemeBell(void (*fallback)())
{
    // Released with the other statics when the program ends.
    static const Context context = OpenContext();
    if (!context
        || ca_context_play(context.get(), 0, CA_PROP_EVENT_ID, "bell",
                           static_cast<const char*>(nullptr)) != CA_SUCCESS)
        fallback();
}
