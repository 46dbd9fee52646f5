#pragma once
// How the audio device takes its place behind play_effect without pushing
// aside a sink a test has installed.
#include "sound/effect.h"

namespace sound {

// Installs sink unless one has been chosen with set_effect_sink.
void offer_effect_sink(EffectSink* sink);
// Removes sink if it is the one installed, leaving the choice open again.
void withdraw_effect_sink(EffectSink* sink);

}  // namespace sound
