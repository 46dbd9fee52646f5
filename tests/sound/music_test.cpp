// The music player's calls and results, on SDL's dummy audio driver (plays
// nowhere, needs no sound card).
#include <gtest/gtest.h>

#include <cstdlib>

#include "sound/audio.h"
#include "sound/effect.h"
#include "sound/music.h"
#include "tests/sound/sound_files.h"
#include "tests/support/recorders.h"

namespace {

class MusicPlayer : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { setenv("SDL_AUDIODRIVER", "dummy", 1); }
  void TearDown() override { sound::close_audio(); }

  SoundFiles files;
  const std::string wave = files.tone("tone.wav", 0.2, 440.0);
  const std::string midi = files.clicks("clicks.mid", 0.5);
};

TEST_F(MusicPlayer, PlayBeforeAnyOpenReturnsOneAndTouchesNothing) {
  music bgm;
  EXPECT_EQ(bgm.Play(), 1);
  bgm.Term();
  EXPECT_EQ(bgm.IsOpen, 0);
  EXPECT_FALSE(sound::audio_is_open()) << "nothing was opened";
}

TEST_F(MusicPlayer, DeviceTypeTwoReadsMidiAndEveryOtherTypeReadsWave) {
  for (const int type : {1, 3, 0, 4, -1}) {
    music as_wave;
    EXPECT_EQ(as_wave.Init(type, wave.c_str()), 1) << type;
    EXPECT_EQ(as_wave.IsOpen, 1);
    EXPECT_NE(as_wave.DeviceID, 0u);
    EXPECT_EQ(as_wave.Play(), 1);
    as_wave.Term();
    music midi_as_wave;
    EXPECT_EQ(midi_as_wave.Init(type, midi.c_str()), 0) << type << ": a wave device cannot open MIDI";
    EXPECT_EQ(midi_as_wave.IsOpen, 0);
  }
  music sequencer;
  EXPECT_EQ(sequencer.Init(2, wave.c_str()), 0) << "a wave file is not MIDI";
  EXPECT_EQ(sequencer.Init(2, midi.c_str()), 1);
  EXPECT_EQ(sequencer.Play(), 1);
  EXPECT_EQ(sequencer.Play(), 1);
  sequencer.Term();
}

TEST_F(MusicPlayer, FailedInitLeavesItClosedAndPlayHarmless) {
  const std::string garbage = files.write("garbage.mid", "MThd but not really");
  for (const char* file : {"/no/such/bgm.mid", garbage.c_str()}) {
    music bgm;
    EXPECT_EQ(bgm.Init(2, file), 0) << file;
    EXPECT_EQ(bgm.IsOpen, 0);
    EXPECT_EQ(bgm.Play(), 1);
  }
}

TEST_F(MusicPlayer, ASecondTermClosesNothingElse) {
  music first, second;
  ASSERT_EQ(first.Init(2, midi.c_str()), 1);
  first.Term();
  ASSERT_EQ(second.Init(2, midi.c_str()), 1);
  first.Term();
  EXPECT_EQ(first.IsOpen, 0);
  EXPECT_EQ(second.IsOpen, 1);
  EXPECT_EQ(second.Play(), 1) << "the newer piece is still open";
  EXPECT_EQ(second.IsOpen, 1);
}

TEST_F(MusicPlayer, PlayFailsAndClosesWhenItsPieceIsGone) {
  music bgm;
  ASSERT_EQ(bgm.Init(2, midi.c_str()), 1);
  sound::close_audio();
  EXPECT_EQ(bgm.Play(), 0);
  EXPECT_EQ(bgm.IsOpen, 0);
  EXPECT_EQ(bgm.Play(), 1) << "closed now: later plays do nothing";
}

TEST_F(MusicPlayer, OpeningTheDeviceLeavesAnInstalledEffectSinkInPlace) {
  EffectRecorder recorder;
  music bgm;
  ASSERT_EQ(bgm.Init(2, midi.c_str()), 1);
  ASSERT_TRUE(sound::audio_is_open());
  play_effect("shot.wav");
  EXPECT_EQ(recorder.played, std::vector<std::string>{"shot.wav"});
}

}  // namespace
