#pragma once
// Writing standard MIDI files (format 1) from tracks of timed events.
#include <cstdint>
#include <string>
#include <vector>

namespace assets {

class MidiTrack {
 public:
  void name(const std::string& text);
  void tempo(std::uint32_t tick, double beats_per_minute);
  void time_signature(std::uint32_t tick, int beats, int beat_unit_log2);
  void program(std::uint32_t tick, int channel, int program);
  void control(std::uint32_t tick, int channel, int controller, int value);
  // A note of the given length; the note-off is written as note-on with velocity 0.
  void note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity);
  // The track ends no earlier than tick.
  void end_at(std::uint32_t tick);

  // The track's "MTrk" chunk, events in time order, closed by end-of-track.
  std::string chunk() const;

 private:
  // At equal ticks notes end before anything else happens, and new notes
  // start last, so that a repeated key is released and struck again.
  enum Order { kNoteOff, kSetting, kNoteOn };
  struct Event {
    std::uint32_t tick;
    Order order;
    std::string bytes;
  };
  void add(std::uint32_t tick, Order order, std::string bytes);

  std::vector<Event> events_;
  std::uint32_t end_ = 0;
};

// A whole format 1 file; division is ticks per beat (quarter note).
std::string midi_file(const std::vector<MidiTrack>& tracks, int division);

}  // namespace assets
