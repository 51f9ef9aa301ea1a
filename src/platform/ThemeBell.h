#pragma once

// Starts the sound theme's bell and returns without waiting for it; calls
// the fallback instead where no sound can be played.
void RingThemeBell(void (*fallback)());
