// The generated music and effects in the run folder.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <set>
#include <string>

#include "sound/midi_file.h"

namespace {

const std::string kRunDir = QS_RUN_DIR;

struct Wave {
  SDL_AudioSpec format{};
  std::vector<std::int16_t> samples;
};

// Parsed by SDL's own reader, as the game will.
bool load(const std::string& path, Wave& wave) {
  Uint8* buffer = nullptr;
  Uint32 bytes = 0;
  if (SDL_LoadWAV(path.c_str(), &wave.format, &buffer, &bytes) == nullptr) return false;
  const auto* samples = reinterpret_cast<const std::int16_t*>(buffer);
  wave.samples.assign(samples, samples + bytes / 2);
  SDL_FreeWAV(buffer);
  return true;
}

TEST(SoundAssets, EffectsAreShortLoudAndUnclipped) {
  for (const char* name : {"shot.wav", "kara.wav", "ata.wav", "cap.wav", "life.wav"}) {
    SCOPED_TRACE(name);
    Wave wave;
    ASSERT_TRUE(load(kRunDir + "/" + name, wave)) << SDL_GetError();
    ASSERT_EQ(wave.format.format, AUDIO_S16LSB);
    ASSERT_EQ(wave.format.channels, 1);
    const double seconds = static_cast<double>(wave.samples.size()) / wave.format.freq;
    EXPECT_GT(seconds, 0.05);
    EXPECT_LT(seconds, 1.0);

    int peak = 0;
    double energy = 0.0;
    for (const std::int16_t s : wave.samples) {
      peak = std::max(peak, std::abs(static_cast<int>(s)));
      energy += static_cast<double>(s) * s;
    }
    const double rms = std::sqrt(energy / static_cast<double>(wave.samples.size()));
    EXPECT_LT(peak, 32000) << "clipped or at full scale";
    EXPECT_GT(peak, 16000) << "too quiet to hear over the music";
    EXPECT_GT(rms, 1000.0) << "mostly silence";
  }
}

TEST(SoundAssets, MusicIsAHundredSecondTuneWithDrums) {
  const auto song = sound::load_midi((kRunDir + "/bgm.mid").c_str());
  ASSERT_TRUE(song);
  EXPECT_EQ(song->format, 1);
  EXPECT_NEAR(song->length_seconds, 100.0, 5.0);
  EXPECT_LT(song->length_seconds, 110.0) << "must end before the game restarts it";

  std::set<int> sounding_channels;
  double last_note = 0.0;
  for (const auto& e : song->events) {
    if ((e.status & 0xF0) == 0x90 && e.data2 > 0) {
      sounding_channels.insert(e.status & 0x0F);
      last_note = std::max(last_note, e.seconds);
    }
  }
  EXPECT_EQ(sounding_channels.count(9), 1u) << "drums on channel 10";
  EXPECT_GE(sounding_channels.size(), 4u) << "melody, harmony and bass besides the drums";
  EXPECT_GT(last_note, 90.0) << "plays to the end, no long silence";
}

}  // namespace
