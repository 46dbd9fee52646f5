#pragma once
// Sound effects: one asynchronous call with the wave file's name. Only one
// effect sounds at a time; a new one cuts off the one still playing.

// Plays the named effect once, without waiting. A file that cannot be read
// plays silence in its place: the effect still sounding stops. The first
// call opens the audio device if nothing has opened it yet and no other sink
// has been chosen.
void play_effect(const char* file);

// Where effects go. The audio device installs its own sink when it opens;
// tests install a recorder.
class EffectSink {
 public:
  virtual ~EffectSink() = default;
  virtual void play(const char* file) = 0;
};

// Installs a sink (not owned) and returns the previous one; null silences.
// A sink chosen here stays in place when the audio device opens later.
EffectSink* set_effect_sink(EffectSink* sink);
// Whether a sink, or silence, has been chosen with set_effect_sink.
bool effect_sink_chosen();
// Forgets that choice, as if none had been made: effects go to the audio
// device's sink again, and the first one opens the device if nothing has.
void reset_effect_sink();
