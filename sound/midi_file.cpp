#include "sound/midi_file.h"

#include <algorithm>

#include "platform/file_bytes.h"

namespace sound {
namespace {

// Ceilings that no real piece of game music comes near; they bound the memory
// and time a hostile file can cost.
constexpr std::size_t kMaxFileBytes = 8u << 20;
constexpr std::size_t kMaxEvents = 2u << 20;
constexpr std::size_t kMaxTracks = 1024;
constexpr double kMaxSeconds = 24.0 * 3600.0;
constexpr std::uint32_t kDefaultTempo = 500000;  // microseconds per beat: 120 beats a minute

// A bounds-checked reader over one span of bytes. Every read reports failure
// instead of stepping past the end.
class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool at_end() const { return pos_ >= size_; }
  std::size_t remaining() const { return size_ - pos_; }

  bool byte(std::uint8_t& out) {
    if (pos_ >= size_) return false;
    out = data_[pos_++];
    return true;
  }
  bool peek(std::uint8_t& out) const {
    if (pos_ >= size_) return false;
    out = data_[pos_];
    return true;
  }
  bool u16(std::uint32_t& out) { return big_endian(2, out); }
  bool u32(std::uint32_t& out) { return big_endian(4, out); }
  bool tag(const char (&name)[5]) {
    if (remaining() < 4 || !std::equal(name, name + 4, data_ + pos_)) return false;
    pos_ += 4;
    return true;
  }
  // A variable-length quantity: at most four bytes, seven bits each.
  bool vlq(std::uint32_t& out) {
    out = 0;
    for (int i = 0; i < 4; ++i) {
      std::uint8_t b = 0;
      if (!byte(b)) return false;
      out = (out << 7) | (b & 0x7Fu);
      if ((b & 0x80u) == 0) return true;
    }
    return false;
  }
  bool skip(std::size_t n) {
    if (n > remaining()) return false;
    pos_ += n;
    return true;
  }
  const std::uint8_t* here() const { return data_ + pos_; }

 private:
  bool big_endian(int bytes, std::uint32_t& out) {
    out = 0;
    for (int i = 0; i < bytes; ++i) {
      std::uint8_t b = 0;
      if (!byte(b)) return false;
      out = (out << 8) | b;
    }
    return true;
  }

  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

struct TickedEvent {
  std::uint64_t tick;
  MidiEvent event;
};

struct TempoChange {
  std::uint64_t tick;
  std::uint32_t micros_per_beat;
};

int data_bytes(std::uint8_t status) {
  const int kind = status & 0xF0;
  return (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
}

// Reads one track's events, appending channel messages and tempo changes.
// Returns false on malformed data. end_tick receives the track's length.
bool read_track(Reader track, std::vector<TickedEvent>& events, std::vector<TempoChange>& tempos,
                std::uint64_t& end_tick) {
  std::uint64_t tick = 0;
  std::uint8_t running = 0;  // running status; 0 while there is none
  while (!track.at_end()) {
    std::uint32_t delta = 0;
    if (!track.vlq(delta)) return false;
    tick += delta;

    std::uint8_t status = 0;
    if (!track.peek(status)) return false;
    if (status & 0x80u) {
      track.skip(1);
    } else if (running != 0) {
      status = running;
    } else {
      return false;  // a data byte with no status to run on
    }

    if (status == 0xFF) {  // meta event
      std::uint8_t type = 0;
      std::uint32_t length = 0;
      if (!track.byte(type) || !track.vlq(length) || length > track.remaining()) return false;
      const std::uint8_t* body = track.here();
      track.skip(length);
      running = 0;
      if (type == 0x2F) break;  // end of track
      if (type == 0x51 && length == 3) {
        const std::uint32_t tempo = (std::uint32_t{body[0]} << 16) | (std::uint32_t{body[1]} << 8) | body[2];
        if (tempo == 0) return false;
        tempos.push_back({tick, tempo});
      }
    } else if (status == 0xF0 || status == 0xF7) {  // system exclusive: not played
      std::uint32_t length = 0;
      if (!track.vlq(length) || !track.skip(length)) return false;
      running = 0;
    } else if (status >= 0xF0) {
      return false;  // system common and real-time messages have no place in a file
    } else {
      running = status;
      MidiEvent event;
      event.status = status;
      if (!track.byte(event.data1) || event.data1 > 0x7F) return false;
      if (data_bytes(status) == 2 && (!track.byte(event.data2) || event.data2 > 0x7F)) return false;
      if (events.size() >= kMaxEvents) return false;
      events.push_back({tick, event});
    }
  }
  end_tick = tick;
  return true;
}

// Turns ticks into seconds along a tempo map sorted by tick.
class Clock {
 public:
  Clock(std::vector<TempoChange> tempos, std::uint32_t division) : tempos_(std::move(tempos)) {
    if (division & 0x8000u) {
      // Timecode: frames a second (29 stands for 29.97) times ticks a frame;
      // tempo changes do not apply.
      const int fps = -static_cast<std::int8_t>(division >> 8);
      const double rate = fps == 29 ? 29.97 : fps;
      fixed_seconds_per_tick_ = 1.0 / (rate * static_cast<double>(division & 0xFFu));
      tempos_.clear();
    } else {
      beat_ticks_ = static_cast<double>(division);
    }
  }

  // Ticks must be asked for in ascending order.
  double seconds(std::uint64_t tick) {
    if (fixed_seconds_per_tick_ > 0.0) return static_cast<double>(tick) * fixed_seconds_per_tick_;
    while (next_ < tempos_.size() && tempos_[next_].tick <= tick) {
      advance_to(tempos_[next_].tick);
      micros_per_beat_ = tempos_[next_].micros_per_beat;
      ++next_;
    }
    advance_to(tick);
    return seconds_;
  }

 private:
  void advance_to(std::uint64_t tick) {
    seconds_ += static_cast<double>(tick - tick_) * micros_per_beat_ / (beat_ticks_ * 1e6);
    tick_ = tick;
  }

  std::vector<TempoChange> tempos_;
  std::size_t next_ = 0;
  double fixed_seconds_per_tick_ = 0.0;
  double beat_ticks_ = 1.0;
  double micros_per_beat_ = kDefaultTempo;
  std::uint64_t tick_ = 0;
  double seconds_ = 0.0;
};

bool valid_division(std::uint32_t division) {
  if ((division & 0x8000u) == 0) return division != 0;
  const int fps = -static_cast<std::int8_t>(division >> 8);
  return (fps == 24 || fps == 25 || fps == 29 || fps == 30) && (division & 0xFFu) != 0;
}

}  // namespace

std::optional<MidiSong> parse_midi(const std::uint8_t* data, std::size_t size) {
  if (data == nullptr) return std::nullopt;
  Reader file(data, size);

  std::uint32_t header_length = 0, format = 0, track_count = 0, division = 0;
  if (!file.tag("MThd") || !file.u32(header_length) || header_length < 6) return std::nullopt;
  Reader header(file.here(), std::min<std::size_t>(header_length, file.remaining()));
  if (!file.skip(header_length)) return std::nullopt;
  if (!header.u16(format) || !header.u16(track_count) || !header.u16(division)) return std::nullopt;
  if (format > 2 || track_count == 0 || track_count > kMaxTracks || !valid_division(division)) {
    return std::nullopt;
  }

  std::vector<TickedEvent> events;
  std::vector<TempoChange> tempos;
  std::uint64_t end_tick = 0;
  std::uint32_t tracks_read = 0;
  while (tracks_read < track_count && !file.at_end()) {
    const bool is_track = file.tag("MTrk");
    if (!is_track && !file.skip(4)) return std::nullopt;  // unknown chunks are skipped
    std::uint32_t length = 0;
    if (!file.u32(length) || length > file.remaining()) return std::nullopt;
    const Reader chunk(file.here(), length);
    file.skip(length);
    if (!is_track) continue;

    // Each track's events are already in tick order; a stable sort below
    // keeps that order and puts earlier tracks first at equal ticks.
    std::uint64_t track_end = 0;
    if (!read_track(chunk, events, tempos, track_end)) return std::nullopt;
    end_tick = std::max(end_tick, track_end);
    ++tracks_read;
  }
  if (tracks_read != track_count) return std::nullopt;

  const auto by_tick = [](const auto& a, const auto& b) { return a.tick < b.tick; };
  std::stable_sort(events.begin(), events.end(), by_tick);
  std::stable_sort(tempos.begin(), tempos.end(), by_tick);

  // The clock must be read in ascending tick order; the end is read last.
  Clock clock(std::move(tempos), division);
  MidiSong song;
  song.format = static_cast<int>(format);
  song.tracks = static_cast<int>(track_count);
  song.events.reserve(events.size());
  for (const TickedEvent& ticked : events) {
    MidiEvent event = ticked.event;
    event.seconds = clock.seconds(ticked.tick);
    song.events.push_back(event);
  }
  song.length_seconds = clock.seconds(end_tick);
  if (!(song.length_seconds <= kMaxSeconds)) return std::nullopt;
  return song;
}

std::optional<MidiSong> load_midi(const char* path) {
  const auto bytes = platform::read_file(path, kMaxFileBytes);
  if (!bytes) return std::nullopt;
  return parse_midi(bytes->data(), bytes->size());
}

}  // namespace sound
