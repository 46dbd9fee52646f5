#include "sound/effect.h"

#include "sound/audio.h"
#include "sound/effect_seam.h"

namespace {

EffectSink* g_sink = nullptr;
EffectSink* g_device_sink = nullptr;  // the open audio device's sink, if any
// Set while a sink other than the device's, or silence, has been chosen:
// effects then neither open the device by themselves nor get displaced by it.
bool g_other_chosen = false;

}  // namespace

void play_effect(const char* file) {
  if (g_sink == nullptr && !g_other_chosen) sound::open_audio_on_first_use();
  if (g_sink != nullptr && file != nullptr) g_sink->play(file);
}

EffectSink* set_effect_sink(EffectSink* sink) {
  EffectSink* const previous = g_sink;
  g_sink = sink;
  g_other_chosen = sink == nullptr || sink != g_device_sink;
  return previous;
}

bool effect_sink_chosen() { return g_other_chosen; }

void reset_effect_sink() {
  g_sink = g_device_sink;
  g_other_chosen = false;
}

namespace sound {

void offer_effect_sink(EffectSink* sink) {
  g_device_sink = sink;
  if (!g_other_chosen) g_sink = sink;
}

void withdraw_effect_sink(EffectSink* sink) {
  if (g_device_sink == sink) g_device_sink = nullptr;
  if (g_sink == sink) g_sink = nullptr;
}

}  // namespace sound
