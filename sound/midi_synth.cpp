#include "sound/midi_synth.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>

namespace sound {
namespace {

// Frames synthesised per step; the scratch buffers hold this many.
constexpr int kBlockFrames = 1024;
// The soundfont's General MIDI voices sum well below full scale at this gain;
// louder passages are clipped sample by sample rather than wrapped.
constexpr double kGain = 0.6;

std::int16_t to_sample(float value) {
  const float scaled = value * 32767.0f;
  return static_cast<std::int16_t>(std::lrint(std::clamp(scaled, -32768.0f, 32767.0f)));
}

}  // namespace

std::unique_ptr<MidiSynth> MidiSynth::create(const char* soundfont, int rate, int channels) {
  if (soundfont == nullptr || rate <= 0 || channels <= 0) return nullptr;
  // FluidSynth reports on stderr by default; the game stays quiet and
  // simply plays without music when something is missing.
  for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) fluid_set_log_function(level, nullptr, nullptr);

  fluid_settings_t* settings = new_fluid_settings();
  if (settings == nullptr) return nullptr;
  fluid_settings_setnum(settings, "synth.sample-rate", rate);
  fluid_settings_setnum(settings, "synth.gain", kGain);
  // Only the audio thread touches the synthesiser once it plays.
  fluid_settings_setint(settings, "synth.threadsafe-api", 0);
  fluid_settings_setint(settings, "synth.cpu-cores", 1);

  fluid_synth_t* synth = new_fluid_synth(settings);
  if (synth == nullptr || fluid_synth_sfload(synth, soundfont, 1) == FLUID_FAILED) {
    if (synth != nullptr) delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return nullptr;
  }
  return std::unique_ptr<MidiSynth>(new MidiSynth(settings, synth, rate, channels));
}

MidiSynth::MidiSynth(fluid_settings_t* settings, fluid_synth_t* synth, int rate, int channels)
    : settings_(settings),
      synth_(synth),
      rate_(rate),
      channels_(channels),
      left_(kBlockFrames),
      right_(kBlockFrames) {}

MidiSynth::~MidiSynth() {
  delete_fluid_synth(synth_);
  delete_fluid_settings(settings_);
}

void MidiSynth::load(const MidiSong& song) {
  events_.clear();
  events_.reserve(song.events.size());
  for (const MidiEvent& e : song.events) {
    events_.push_back({std::llround(e.seconds * rate_), e.status, e.data1, e.data2});
  }
  fluid_synth_system_reset(synth_);
  playing_ = false;
  next_ = 0;
  position_ = 0;
  command_.store(kNone);
}

void MidiSynth::restart() { command_.store(kRestart, std::memory_order_release); }
void MidiSynth::stop() { command_.store(kStop, std::memory_order_release); }

void MidiSynth::dispatch(const Event& e) {
  const int channel = e.status & 0x0F;
  switch (e.status & 0xF0) {
    case 0x80: fluid_synth_noteoff(synth_, channel, e.data1); break;
    case 0x90:
      if (e.data2 == 0) {
        fluid_synth_noteoff(synth_, channel, e.data1);
      } else {
        fluid_synth_noteon(synth_, channel, e.data1, e.data2);
      }
      break;
    case 0xA0: fluid_synth_key_pressure(synth_, channel, e.data1, e.data2); break;
    case 0xB0: fluid_synth_cc(synth_, channel, e.data1, e.data2); break;
    case 0xC0: fluid_synth_program_change(synth_, channel, e.data1); break;
    case 0xD0: fluid_synth_channel_pressure(synth_, channel, e.data1); break;
    case 0xE0: fluid_synth_pitch_bend(synth_, channel, (e.data2 << 7) | e.data1); break;
    default: break;
  }
}

void MidiSynth::render(std::int16_t* out, int frames) {
  switch (command_.exchange(kNone, std::memory_order_acq_rel)) {
    case kRestart:
      // A full reset: notes still sounding from the old position stop, and
      // programs and controllers return to their defaults as at the start.
      fluid_synth_system_reset(synth_);
      playing_ = true;
      next_ = 0;
      position_ = 0;
      break;
    case kStop:
      fluid_synth_system_reset(synth_);
      playing_ = false;
      break;
    default: break;
  }

  while (frames > 0) {
    while (playing_ && next_ < events_.size() && events_[next_].frame <= position_) dispatch(events_[next_++]);
    if (playing_ && next_ == events_.size()) playing_ = false;  // the piece is not looped

    // Split the buffer at the next event so that every note starts on its
    // exact frame.
    std::int64_t step = std::min(frames, kBlockFrames);
    if (playing_) step = std::min(step, events_[next_].frame - position_);
    const int n = static_cast<int>(step);

    if (playing_ || fluid_synth_get_active_voice_count(synth_) > 0) {
      synthesize(out, n);
    } else {
      std::fill(out, out + n * channels_, std::int16_t{0});  // idle: nothing left ringing
    }
    out += n * channels_;
    frames -= n;
    position_ += n;
  }
}

void MidiSynth::synthesize(std::int16_t* out, int frames) {
  fluid_synth_write_float(synth_, frames, left_.data(), 0, 1, right_.data(), 0, 1);
  for (int i = 0; i < frames; ++i) {
    std::int16_t* frame = out + i * channels_;
    if (channels_ == 1) {
      frame[0] = to_sample(0.5f * (left_[i] + right_[i]));
      continue;
    }
    frame[0] = to_sample(left_[i]);
    frame[1] = to_sample(right_[i]);
    std::fill(frame + 2, frame + channels_, std::int16_t{0});
  }
}

}  // namespace sound
