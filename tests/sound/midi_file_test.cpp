#include "sound/midi_file.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tools/sound_assets/midi_writer.h"

namespace {

std::optional<sound::MidiSong> parse(const std::string& bytes) {
  return sound::parse_midi(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

std::string u32(std::uint32_t v) {
  return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
}

std::string header(int format, int tracks, int division) {
  return "MThd" + u32(6) + std::string{0, static_cast<char>(format), 0, static_cast<char>(tracks)} +
         std::string{static_cast<char>(division >> 8), static_cast<char>(division & 0xFF)};
}

std::string track(const std::string& events) { return "MTrk" + u32(static_cast<std::uint32_t>(events.size())) + events; }

const std::string kEnd("\x00\xFF\x2F\x00", 4);

// One note: on at tick 0, off at tick 96 (a beat at division 96, 0.5 s at the default tempo).
const std::string kNote = std::string("\x00\x90\x3C\x64", 4) + std::string("\x60\x80\x3C\x00", 4);

TEST(MidiFile, ReadsNotesAtTheirTimes) {
  const auto song = parse(header(0, 1, 96) + track(kNote + kEnd));
  ASSERT_TRUE(song);
  ASSERT_EQ(song->events.size(), 2u);
  EXPECT_EQ(song->events[0].status, 0x90);
  EXPECT_EQ(song->events[0].data1, 0x3C);
  EXPECT_DOUBLE_EQ(song->events[1].seconds, 0.5);
  EXPECT_DOUBLE_EQ(song->length_seconds, 0.5);
}

TEST(MidiFile, FollowsTempoChangesAcrossTracks) {
  // Conductor track: 120 bpm, then 60 bpm from beat 1. Second track: notes on beats 0, 1 and 2.
  const std::string tempo_60 = std::string("\x60\xFF\x51\x03\x0F\x42\x40", 7);
  const std::string conductor = track(tempo_60 + kEnd);
  const std::string notes = track(std::string("\x00\x99\x24\x64", 4) + std::string("\x60\x24\x65", 3) /* running status */ +
                                  std::string("\x60\x24\x66", 3) + kEnd);
  const auto song = parse(header(1, 2, 96) + conductor + notes);
  ASSERT_TRUE(song);
  ASSERT_EQ(song->events.size(), 3u);
  EXPECT_DOUBLE_EQ(song->events[0].seconds, 0.0);
  EXPECT_DOUBLE_EQ(song->events[1].seconds, 0.5);  // beat 1 at 120 bpm
  EXPECT_DOUBLE_EQ(song->events[2].seconds, 1.5);  // one more beat at 60 bpm
  EXPECT_EQ(song->events[2].status, 0x99);
  EXPECT_EQ(song->events[2].data2, 0x66);
}

TEST(MidiFile, ReadsTimecodeDivision) {
  // 25 frames a second, 40 ticks a frame: 1000 ticks a second; tempo is ignored.
  const std::string tempo = std::string("\x00\xFF\x51\x03\x0F\x42\x40", 7);
  const std::string events = tempo + std::string("\x00\x90\x40\x40", 4) + std::string("\x87\x68\x80\x40\x00", 5) + kEnd;
  const auto song = parse(header(0, 1, (0xE7 << 8) | 40) + track(events));
  ASSERT_TRUE(song);
  EXPECT_DOUBLE_EQ(song->events[1].seconds, 1.0);
}

TEST(MidiFile, SkipsUnknownChunksSysexAndMetaText) {
  const std::string sysex = std::string("\x00\xF0\x03\x7E\x7F\xF7", 6);
  const std::string text = std::string("\x00\xFF\x01\x02hi", 6);
  const auto song = parse(header(0, 1, 96) + "XTRA" + u32(3) + "abc" + track(sysex + text + kNote + kEnd));
  ASSERT_TRUE(song);
  EXPECT_EQ(song->events.size(), 2u);
}

TEST(MidiFile, ReadsWhatTheWriterWrites) {
  assets::MidiTrack conductor;
  conductor.tempo(0, 150.0);
  assets::MidiTrack part;
  part.program(0, 3, 33);
  part.note(480, 240, 3, 45, 100);
  part.note(720, 240, 3, 45, 90);  // same key struck again as the first is released
  part.end_at(1920);
  const auto song = parse(assets::midi_file({conductor, part}, 480));
  ASSERT_TRUE(song);
  EXPECT_EQ(song->format, 1);
  EXPECT_EQ(song->tracks, 2);
  ASSERT_EQ(song->events.size(), 5u);
  EXPECT_EQ(song->events[0].status, 0xC3);
  EXPECT_NEAR(song->events[1].seconds, 0.4, 1e-9);  // beat 1 at 150 bpm
  // The release of the first note comes before the second strike.
  EXPECT_EQ(song->events[2].data2, 0);
  EXPECT_EQ(song->events[3].data2, 90);
  EXPECT_NEAR(song->length_seconds, 1.6, 1e-9);
}

TEST(MidiFile, RejectsMalformedFiles) {
  const std::string good_track = track(kNote + kEnd);
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"not a MIDI file", "RIFF" + u32(6) + std::string(6, '\0') + good_track},
      {"header cut short", header(0, 1, 96).substr(0, 11)},
      {"header length below six", "MThd" + u32(4) + std::string(4, '\0') + good_track},
      {"unknown format", header(3, 1, 96) + good_track},
      {"no tracks", header(0, 0, 96)},
      {"division zero", header(0, 1, 0) + good_track},
      {"timecode with bad frame rate", header(0, 1, (0xE6 << 8) | 40) + good_track},
      {"fewer tracks than declared", header(1, 2, 96) + good_track},
      {"track longer than the file", header(0, 1, 96) + "MTrk" + u32(100) + kNote},
      {"event cut off", header(0, 1, 96) + track(std::string("\x00\x90\x3C", 3))},
      {"data byte with no status", header(0, 1, 96) + track(std::string("\x00\x3C\x64", 3) + kEnd)},
      {"running status after meta", header(0, 1, 96) + track(kNote + std::string("\x00\xFF\x01\x00\x00\x3C\x64", 7))},
      {"delta of five bytes", header(0, 1, 96) + track(std::string("\x81\x81\x81\x81\x01\x90\x3C\x64", 8) + kEnd)},
      {"data byte with its top bit set", header(0, 1, 96) + track(std::string("\x00\x90\x3C\xE4", 4) + kEnd)},
      {"system real-time status in a track", header(0, 1, 96) + track(std::string("\x00\xF8", 2) + kEnd)},
      {"meta length past the track", header(0, 1, 96) + track(std::string("\x00\xFF\x01\x7F", 4))},
      {"tempo zero", header(0, 1, 96) + track(std::string("\x00\xFF\x51\x03\x00\x00\x00", 7) + kEnd)},
      {"over a day long", header(0, 1, 1) + track(std::string("\x00\xFF\x51\x03\xFF\xFF\xFF", 7) +
                                                   std::string("\xFF\xFF\xFF\x7F\xFF\x2F\x00", 7))},
  };
  for (const auto& c : cases) EXPECT_FALSE(parse(c.bytes)) << c.what;
  EXPECT_FALSE(sound::parse_midi(nullptr, 10));
  EXPECT_FALSE(sound::load_midi("/no/such/file.mid"));
}

// Damaged copies of a real file (every truncation, and random bytes
// overwritten) are refused or read; never read out of bounds (the sanitizer
// build watches) and never hang.
TEST(MidiFile, SurvivesDamagedFiles) {
  assets::MidiTrack part;
  part.tempo(0, 100.0);
  part.program(0, 0, 5);
  for (std::uint32_t i = 0; i < 40; ++i) part.note(i * 120, 100, static_cast<int>(i % 16), 40 + static_cast<int>(i), 80);
  const std::string file = assets::midi_file({part, part}, 480);
  ASSERT_TRUE(parse(file));

  std::size_t accepted_prefixes = 0;
  for (std::size_t length = 0; length < file.size(); ++length) accepted_prefixes += parse(file.substr(0, length)) ? 1 : 0;
  EXPECT_EQ(accepted_prefixes, 0u) << "a cut-off file must not pass for whole";

  std::mt19937 random(12345);
  for (int round = 0; round < 2000; ++round) {
    std::string damaged = file;
    for (int hits = 0; hits < 4; ++hits) damaged[random() % damaged.size()] = static_cast<char>(random());
    if (const auto song = parse(damaged)) {
      for (const auto& event : song->events) {
        EXPECT_GE(event.status, 0x80);
        EXPECT_LE(event.seconds, song->length_seconds);
      }
    }
  }
}

}  // namespace
