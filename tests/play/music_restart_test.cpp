// The play scene restarts the music every 1100 ticks, and a retry keeps that
// rhythm. Runs on SDL's dummy audio driver, so no sound device is needed.
#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "tests/play/play_fixture.h"

namespace {

// A second of a quiet tone: long enough to be still playing when looked at.
void write_tone(const char* name) {
  const std::uint32_t rate = 22050;
  std::vector<std::int16_t> samples(rate);
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = (i / 50) % 2 ? 1000 : -1000;
  const std::uint32_t data_bytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::ofstream out(name, std::ios::binary);
  auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  out.write("RIFF", 4);
  u32(36 + data_bytes);
  out.write("WAVEfmt ", 8);
  u32(16);
  u16(1);
  u16(1);
  u32(rate);
  u32(rate * 2);
  u16(2);
  u16(16);
  out.write("data", 4);
  u32(data_bytes);
  out.write(reinterpret_cast<const char*>(samples.data()), data_bytes);
}

bool music_sounding() { return Mix_Playing(-1) > 0; }

TEST_F(PlayTest, MusicRestartsEvery1100TicksAcrossRetries) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  write_tone("tone.wav");
  ASSERT_EQ(sys.bgm.Init(1, "tone.wav"), 1);
  ASSERT_EQ(sys.bgm.Play(), 1);
  ASSERT_TRUE(music_sounding());

  start(escaping_stage(0, 1000), 1);  // the course ends early; the ticks go on
  auto restarted_on_tick = [&](std::int32_t tick) {
    Mix_HaltChannel(-1);
    while (play.field.tick != tick) play.timer(0, &sys);
    if (music_sounding()) return false;  // started before its tick
    play.timer(0, &sys);
    return music_sounding();
  };
  EXPECT_TRUE(restarted_on_tick(1100));
  play.keyboard('y', 0, 0, &sys);
  EXPECT_TRUE(restarted_on_tick(2200));
  EXPECT_TRUE(restarted_on_tick(3300));
  sys.bgm.Term();
}

}  // namespace
