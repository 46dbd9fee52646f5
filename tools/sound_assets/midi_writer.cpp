#include "tools/sound_assets/midi_writer.h"

#include <algorithm>
#include <cmath>

namespace assets {
namespace {

std::string variable_length(std::uint32_t value) {
  std::string out(1, static_cast<char>(value & 0x7F));
  while ((value >>= 7) != 0) out.insert(out.begin(), static_cast<char>(0x80 | (value & 0x7F)));
  return out;
}

std::string big_endian(std::uint32_t value, int bytes) {
  std::string out;
  for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
  return out;
}

std::string channel_message(int status, int channel, int data1) {
  return {static_cast<char>(status | (channel & 0x0F)), static_cast<char>(data1 & 0x7F)};
}

std::string channel_message(int status, int channel, int data1, int data2) {
  return channel_message(status, channel, data1) + static_cast<char>(data2 & 0x7F);
}

std::string meta(int type, const std::string& body) {
  return std::string{'\xFF', static_cast<char>(type)} + variable_length(static_cast<std::uint32_t>(body.size())) + body;
}

}  // namespace

void MidiTrack::add(std::uint32_t tick, Order order, std::string bytes) {
  events_.push_back({tick, order, std::move(bytes)});
  end_ = std::max(end_, tick);
}

void MidiTrack::name(const std::string& text) { add(0, kSetting, meta(0x03, text)); }

void MidiTrack::tempo(std::uint32_t tick, double beats_per_minute) {
  const auto micros = static_cast<std::uint32_t>(std::lround(60e6 / beats_per_minute));
  add(tick, kSetting, meta(0x51, big_endian(micros, 3)));
}

void MidiTrack::time_signature(std::uint32_t tick, int beats, int beat_unit_log2) {
  // 24 clocks per metronome click, 8 thirty-seconds per quarter.
  add(tick, kSetting, meta(0x58, {static_cast<char>(beats), static_cast<char>(beat_unit_log2), 24, 8}));
}

void MidiTrack::program(std::uint32_t tick, int channel, int program) {
  add(tick, kSetting, channel_message(0xC0, channel, program));
}

void MidiTrack::control(std::uint32_t tick, int channel, int controller, int value) {
  add(tick, kSetting, channel_message(0xB0, channel, controller, value));
}

void MidiTrack::note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity) {
  add(tick, kNoteOn, channel_message(0x90, channel, key, velocity));
  add(tick + length, kNoteOff, channel_message(0x90, channel, key, 0));
}

void MidiTrack::end_at(std::uint32_t tick) { end_ = std::max(end_, tick); }

std::string MidiTrack::chunk() const {
  std::vector<Event> sorted = events_;
  std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  std::string body;
  std::uint32_t now = 0;
  for (const Event& event : sorted) {
    body += variable_length(event.tick - now) + event.bytes;
    now = event.tick;
  }
  body += variable_length(end_ - now) + meta(0x2F, "");
  return "MTrk" + big_endian(static_cast<std::uint32_t>(body.size()), 4) + body;
}

std::string midi_file(const std::vector<MidiTrack>& tracks, int division) {
  std::string file = "MThd" + big_endian(6, 4) + big_endian(1, 2) +
                     big_endian(static_cast<std::uint32_t>(tracks.size()), 2) +
                     big_endian(static_cast<std::uint32_t>(division), 2);
  for (const MidiTrack& track : tracks) file += track.chunk();
  return file;
}

}  // namespace assets
