#include "sound/music_player.h"

#include <SDL_mixer.h>

#include <atomic>

#include "sound/midi_file.h"

namespace sound {
namespace {

constexpr int kMidiDevice = 2;

// Numbered across every player of the process: a new device's first piece
// must not take the identifier of the old device's.
std::uint32_t next_piece_id() {
  static std::atomic<std::uint32_t> last{0};
  std::uint32_t id = ++last;
  if (id == 0) id = ++last;  // 0 means "nothing open"
  return id;
}

void SDLCALL render_midi(void* synth, Uint8* stream, int bytes) {
  auto* const midi = static_cast<MidiSynth*>(synth);
  const int frame_bytes = static_cast<int>(sizeof(std::int16_t)) * midi->channels();
  midi->render(reinterpret_cast<std::int16_t*>(stream), bytes / frame_bytes);
}

}  // namespace

MusicPlayer::MusicPlayer(int rate, int channels, int wave_channel, std::string soundfont)
    : rate_(rate), channels_(channels), wave_channel_(wave_channel), soundfont_(std::move(soundfont)) {}

MusicPlayer::~MusicPlayer() { close_current(); }

std::uint32_t MusicPlayer::open(int type, const char* file) {
  close_current();
  if (type == kMidiDevice) {
    // Read the song before the soundfont: without a song there is no need
    // to pay for loading it.
    const auto song = load_midi(file);
    if (!song) return 0;
    if (!synth_) synth_ = MidiSynth::create(soundfont_.c_str(), rate_, channels_);
    if (!synth_) return 0;
    synth_->load(*song);
    Mix_HookMusic(render_midi, synth_.get());
    midi_ = true;
  } else {
    wave_ = load_wave(file);
    if (!wave_) return 0;
    midi_ = false;
  }
  current_ = next_piece_id();
  return current_;
}

bool MusicPlayer::play(std::uint32_t id) {
  if (!is_open(id)) return false;
  if (midi_) {
    synth_->restart();
    return true;
  }
  return Mix_PlayChannel(wave_channel_, wave_.get(), 0) != -1;
}

void MusicPlayer::close(std::uint32_t id) {
  if (is_open(id)) close_current();
}

void MusicPlayer::close_current() {
  if (current_ == 0) return;
  if (midi_) {
    // Once the hook is detached the audio thread no longer touches the synth.
    Mix_HookMusic(nullptr, nullptr);
  } else {
    Mix_HaltChannel(wave_channel_);
    wave_.reset();
  }
  current_ = 0;
}

}  // namespace sound
