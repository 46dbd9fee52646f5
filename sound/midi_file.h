#pragma once
// Standard MIDI files, read into one time-ordered list of channel messages
// with their times in seconds, ready for a synthesiser to play.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace sound {

// One channel voice message (note, controller, program, pressure, bend).
struct MidiEvent {
  double seconds = 0.0;
  std::uint8_t status = 0;  // 0x80..0xEF: kind in the high nibble, channel in the low
  std::uint8_t data1 = 0;
  std::uint8_t data2 = 0;   // 0 for the one-byte messages
};

struct MidiSong {
  std::vector<MidiEvent> events;  // every track merged, in playing order
  double length_seconds = 0.0;    // up to the last track's end
  int format = 0;
  int tracks = 0;
};

// Reads a file held in memory. Formats 0, 1 and 2 (whose tracks are simply
// played together), beat or timecode division, running status. Anything
// malformed or truncated gives nullopt; no input can make it read out of
// bounds or run away.
std::optional<MidiSong> parse_midi(const std::uint8_t* data, std::size_t size);

// Reads the file at path; nullopt when it cannot be read or parsed.
std::optional<MidiSong> load_midi(const char* path);

}  // namespace sound
