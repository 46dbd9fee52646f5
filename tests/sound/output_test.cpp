// What actually reaches the speakers: SDL's disk driver writes the mixed
// output to a file, which is read back and examined.
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>
#include <vector>

#include "sound/audio.h"
#include "sound/effect.h"
#include "sound/music.h"
#include "tests/sound/sound_files.h"

namespace {

void wait(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

// A stretch of sound: from the first sample above the threshold after at
// least a tenth of a second of quiet, to the last one before the next quiet.
struct Burst {
  double start;
  double end;
};

void PrintTo(const Burst& burst, std::ostream* out) { *out << burst.start << "-" << burst.end << " s"; }

struct Capture {
  std::vector<std::int16_t> left;
  int rate = 0;

  double seconds(std::size_t sample) const { return static_cast<double>(sample) / rate; }

  std::vector<Burst> bursts() const {
    constexpr int kLoud = 1500;  // about -27 dB below full scale
    const auto quiet_gap = static_cast<std::size_t>(rate / 10);
    std::vector<Burst> found;
    std::size_t last_loud = 0;
    for (std::size_t i = 0; i < left.size(); ++i) {
      if (std::abs(static_cast<int>(left[i])) < kLoud) continue;
      if (found.empty() || i - last_loud > quiet_gap) found.push_back({seconds(i), seconds(i)});
      found.back().end = seconds(i);
      last_loud = i;
    }
    return found;
  }

  // The frequency of the sound in [from, to) seconds, from its zero crossings.
  double frequency(double from, double to) const {
    const auto first = static_cast<std::size_t>(from * rate), last = static_cast<std::size_t>(to * rate);
    int crossings = 0;
    for (std::size_t i = first + 1; i < last && i < left.size(); ++i) {
      crossings += (left[i - 1] < 0) != (left[i] < 0) ? 1 : 0;
    }
    return crossings / (2.0 * (to - from));
  }
};

Capture read_capture(const std::string& path, int rate, int channels) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::int16_t> interleaved;
  std::int16_t frame[8];
  while (in.read(reinterpret_cast<char*>(frame), static_cast<std::streamsize>(sizeof(std::int16_t)) * channels)) {
    interleaved.push_back(frame[0]);
  }
  return {std::move(interleaved), rate};
}

TEST(SoundOutput, EffectsCutEachOtherOffAndMusicRestartsFromItsStart) {
  SoundFiles files;
  const std::string capture_file = files.path("capture.raw");
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", capture_file.c_str(), 1);
  const std::string long_tone = files.tone("long.wav", 1.5, 440.0);
  const std::string short_tone = files.tone("short.wav", 0.1, 880.0);
  const std::string clicks = files.clicks("clicks.mid", 0.6);

  ASSERT_TRUE(sound::open_audio());
  int rate = 0, channels = 0;
  Uint16 format = 0;
  ASSERT_NE(Mix_QuerySpec(&rate, &format, &channels), 0);
  ASSERT_EQ(format, AUDIO_S16LSB);
  ASSERT_TRUE(channels >= 1 && channels <= 8);

  // Two effects: the second, short one starts while the long one plays.
  wait(100);
  play_effect(long_tone.c_str());
  wait(150);
  play_effect(short_tone.c_str());
  wait(450);

  // Music whose clicks, at 0 and 0.6 s, show where it is; restarted 0.35 s in.
  music bgm;
  ASSERT_EQ(bgm.Init(2, clicks.c_str()), 1);
  EXPECT_EQ(bgm.Play(), 1);
  wait(350);
  EXPECT_EQ(bgm.Play(), 1);
  wait(900);
  bgm.Term();
  sound::close_audio();

  const Capture capture = read_capture(capture_file, rate, channels);
  const std::vector<Burst> bursts = capture.bursts();
  ASSERT_EQ(bursts.size(), 4u) << "the effects, then three clicks; heard:" << ::testing::PrintToString(bursts);

  const Burst effects = bursts[0];
  EXPECT_NEAR(capture.frequency(effects.start + 0.02, effects.start + 0.1), 440.0, 25.0) << "the first effect sounds";
  EXPECT_NEAR(capture.frequency(effects.end - 0.08, effects.end - 0.01), 880.0, 40.0) << "the second replaces it";
  EXPECT_LT(effects.end - effects.start, 0.45) << "the long effect is cut off, not mixed under the short one";

  const double restarted_after = bursts[2].start - bursts[1].start;
  EXPECT_GT(restarted_after, 0.2);
  EXPECT_LT(restarted_after, 0.55) << "the second click came from restarting, not from playing on";
  EXPECT_NEAR(bursts[3].start - bursts[2].start, 0.6, 0.003) << "the restart began exactly at position 0";
}

// Opens the device on SDL's disk driver, writing what it plays to the capture
// file; rate and channels are what the device settled on.
bool open_capturing(const std::string& capture_file, int& rate, int& channels) {
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", capture_file.c_str(), 1);
  if (!sound::open_audio()) return false;
  Uint16 format = 0;
  return Mix_QuerySpec(&rate, &format, &channels) != 0 && format == AUDIO_S16LSB && channels >= 1 &&
         channels <= 8;
}

TEST(SoundOutput, AnEffectThatCannotBeLoadedCutsOffTheOneStillSounding) {
  SoundFiles files;
  const std::string capture_file = files.path("capture.raw");
  const std::string long_tone = files.tone("long.wav", 1.5, 440.0);
  const struct {
    const char* what;
    std::string file;
  } silences[] = {
      {"a missing file", files.path("missing.wav")},
      {"a file that is no wave", files.write("garbage.wav", "RIFF, but nothing of a wave after it")},
      {"the missing file again, now known to be missing", files.path("missing.wav")},
  };
  int rate = 0, channels = 0;
  ASSERT_TRUE(open_capturing(capture_file, rate, channels));

  wait(100);
  for (const auto& silence : silences) {
    play_effect(long_tone.c_str());
    wait(200);
    play_effect(silence.file.c_str());
    wait(500);
  }
  sound::close_audio();

  const std::vector<Burst> bursts = read_capture(capture_file, rate, channels).bursts();
  ASSERT_EQ(bursts.size(), 3u) << "the long effect three times, each cut off; heard:"
                               << ::testing::PrintToString(bursts);
  for (std::size_t i = 0; i < bursts.size(); ++i) {
    SCOPED_TRACE(silences[i].what);
    EXPECT_GT(bursts[i].end - bursts[i].start, 0.1) << "the long effect sounded";
    EXPECT_LT(bursts[i].end - bursts[i].start, 0.45) << "and was cut off, not left to play its 1.5 s";
  }
}

TEST(SoundOutput, PlayAfterThePieceHasEndedStartsItAgainFromItsBeginning) {
  // The game's own path: the music is started again long after it ended.
  SoundFiles files;
  const std::string capture_file = files.path("capture.raw");
  const std::string clicks = files.clicks("clicks.mid", 0.4);  // ends 1 s after its second click
  int rate = 0, channels = 0;
  ASSERT_TRUE(open_capturing(capture_file, rate, channels));

  music bgm;
  ASSERT_EQ(bgm.Init(2, clicks.c_str()), 1);
  wait(100);
  EXPECT_EQ(bgm.Play(), 1);
  wait(1800);  // the piece is over after 1.4 s
  EXPECT_EQ(bgm.Play(), 1);
  wait(800);
  bgm.Term();
  sound::close_audio();

  const std::vector<Burst> bursts = read_capture(capture_file, rate, channels).bursts();
  ASSERT_EQ(bursts.size(), 4u) << "two clicks, then both again; heard:" << ::testing::PrintToString(bursts);
  EXPECT_NEAR(bursts[1].start - bursts[0].start, 0.4, 0.003);
  EXPECT_NEAR(bursts[2].start - bursts[0].start, 1.8, 0.2) << "the second play came after the end";
  EXPECT_NEAR(bursts[3].start - bursts[2].start, 0.4, 0.003) << "and began exactly at position 0";
}

}  // namespace
