#pragma once
// A General MIDI synthesiser (FluidSynth with a soundfont) that plays one
// song into the audio device's buffers. We drive it ourselves, event by event,
// rather than through a stock MIDI player, so that a restart is exact and
// costs the game thread nothing: it only raises a flag that the audio thread
// acts on at the start of its next buffer.
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include <fluidsynth/types.h>

#include "sound/midi_file.h"

namespace sound {

class MidiSynth {
 public:
  // Loads the soundfont; null when it cannot be loaded. rate is the output's
  // frames a second, channels its interleaved channel count (1 or more).
  static std::unique_ptr<MidiSynth> create(const char* soundfont, int rate, int channels);
  ~MidiSynth();
  MidiSynth(const MidiSynth&) = delete;
  MidiSynth& operator=(const MidiSynth&) = delete;

  // Replaces the song and stops. Must not run while render does (callers
  // detach the synth from the audio thread first).
  void load(const MidiSong& song);

  // Both may be called from any thread at any time; they take effect at the
  // start of the next render.
  void restart();  // play from position 0
  void stop();     // silence at once

  // Audio thread: fills frames of signed 16-bit interleaved output,
  // overwriting what is there.
  void render(std::int16_t* out, int frames);

  int rate() const { return rate_; }
  int channels() const { return channels_; }

 private:
  struct Event {
    std::int64_t frame;
    std::uint8_t status, data1, data2;
  };
  enum Command : int { kNone, kRestart, kStop };

  MidiSynth(fluid_settings_t* settings, fluid_synth_t* synth, int rate, int channels);
  void dispatch(const Event& event);
  void synthesize(std::int16_t* out, int frames);

  fluid_settings_t* settings_;
  fluid_synth_t* synth_;
  int rate_;
  int channels_;
  std::vector<Event> events_;
  std::vector<float> left_, right_;  // scratch, sized once so rendering never allocates

  std::atomic<int> command_{kNone};
  // Owned by the audio thread while attached.
  bool playing_ = false;
  std::size_t next_ = 0;
  std::int64_t position_ = 0;
};

}  // namespace sound
