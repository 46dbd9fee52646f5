#pragma once
// The one piece of background music the audio device plays: MIDI through our
// own synthesiser on the mixer's music hook, or a wave file on a mixer
// channel of its own. Each opened piece gets an identifier never given before
// in the process, so a stale one, held from a piece since closed or from a
// device since closed and opened again, can never reach a newer piece.
#include <cstdint>
#include <memory>
#include <string>

#include "sound/midi_synth.h"
#include "sound/wave_chunk.h"

namespace sound {

class MusicPlayer {
 public:
  MusicPlayer(int rate, int channels, int wave_channel, std::string soundfont);
  ~MusicPlayer();
  MusicPlayer(const MusicPlayer&) = delete;
  MusicPlayer& operator=(const MusicPlayer&) = delete;

  // Device type 2 reads the file as MIDI, every other type as a wave file.
  // Replaces whatever was open. Returns the piece's identifier, 0 on failure.
  std::uint32_t open(int type, const char* file);
  // Starts the piece from its beginning; false when id is not the open piece
  // or the mixer refuses.
  bool play(std::uint32_t id);
  // Stops and closes the piece if id is the open one.
  void close(std::uint32_t id);
  bool is_open(std::uint32_t id) const { return id != 0 && id == current_; }

 private:
  void close_current();

  int rate_;
  int channels_;
  int wave_channel_;
  std::string soundfont_;
  std::unique_ptr<MidiSynth> synth_;  // kept between pieces: the soundfont loads once
  ChunkPtr wave_;
  bool midi_ = false;
  std::uint32_t current_ = 0;
};

}  // namespace sound
