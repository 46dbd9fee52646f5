// The MIDI reader on any bytes: it never reads out of bounds, and a song it
// accepts holds only well-formed channel messages in playing order, within
// the song's length.
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "sound/midi_file.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto song = sound::parse_midi(data, size);
  if (!song) return 0;
  fuzz::require(song->format >= 0 && song->format <= 2, "format out of range");
  fuzz::require(song->tracks >= 1, "a song without tracks");
  fuzz::require(std::isfinite(song->length_seconds) && song->length_seconds >= 0.0,
                "length not a finite time");
  double previous = 0.0;
  for (const sound::MidiEvent& e : song->events) {
    fuzz::require(std::isfinite(e.seconds) && e.seconds >= previous, "events out of playing order");
    fuzz::require(e.seconds <= song->length_seconds, "an event after the song's end");
    fuzz::require(e.status >= 0x80 && e.status <= 0xEF, "not a channel message");
    fuzz::require(e.data1 <= 0x7F && e.data2 <= 0x7F, "a data byte with its top bit set");
    const int kind = e.status & 0xF0;
    fuzz::require((kind != 0xC0 && kind != 0xD0) || e.data2 == 0, "a one-byte message with two");
    previous = e.seconds;
  }
  return 0;
}
