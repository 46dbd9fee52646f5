// The music player's calls and results, on SDL's dummy audio driver (plays
// nowhere, needs no sound card).
#include <gtest/gtest.h>

#include <cstdlib>

#include "sound/audio.h"
#include "sound/effect.h"
#include "sound/music.h"
#include "sound/music_player.h"
#include "tests/sound/sound_files.h"
#include "tests/support/recorders.h"

namespace {

class MusicPlayer : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { setenv("SDL_AUDIODRIVER", "dummy", 1); }
  void TearDown() override {
    sound::close_audio();
    reset_effect_sink();
  }

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

TEST_F(MusicPlayer, AStalePieceFromAClosedDeviceCannotReachTheNewDevicesPiece) {
  const struct {
    const char* what;
    int (*act)(music&);
  } stale_calls[] = {
      {"Play", [](music& m) { return m.Play(); }},
      {"Term", [](music& m) {
         m.Term();
         return 0;
       }},
  };
  for (const auto& call : stale_calls) {
    SCOPED_TRACE(call.what);
    music stale;
    ASSERT_EQ(stale.Init(2, midi.c_str()), 1);
    sound::close_audio();
    music fresh;
    ASSERT_EQ(fresh.Init(2, midi.c_str()), 1) << "the device opens again";
    EXPECT_NE(fresh.DeviceID, stale.DeviceID);
    EXPECT_EQ(call.act(stale), 0);
    EXPECT_EQ(stale.IsOpen, 0);
    ASSERT_NE(sound::music_player(), nullptr);
    EXPECT_TRUE(sound::music_player()->is_open(fresh.DeviceID)) << "the new piece is still open";
    EXPECT_EQ(fresh.Play(), 1);
    fresh.Term();
    sound::close_audio();
  }
}

TEST_F(MusicPlayer, OnceAChosenSinkIsUndoneTheFirstEffectOpensTheDevice) {
  const struct {
    const char* what;
    void (*choose_and_undo)();
  } cases[] = {
      {"a recorder come and gone", [] {
         EffectRecorder recorder;
         play_effect("shot.wav");
       }},
      {"silence chosen, then reset", [] {
         set_effect_sink(nullptr);
         play_effect("shot.wav");
         reset_effect_sink();
       }},
      {"two recorders, one inside the other", [] {
         EffectRecorder outer;
         {
           EffectRecorder inner;
           play_effect("shot.wav");
           EXPECT_TRUE(outer.played.empty());
         }
         play_effect("shot.wav");
         EXPECT_EQ(outer.played.size(), 1u) << "the inner one put the outer one back";
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    sound::close_audio();
    c.choose_and_undo();
    EXPECT_FALSE(sound::audio_is_open()) << "a chosen sink keeps effects from opening the device";
    EXPECT_FALSE(effect_sink_chosen());
    play_effect("shot.wav");
    EXPECT_TRUE(sound::audio_is_open());
  }
}

TEST_F(MusicPlayer, ResetPutsTheOpenDevicesOwnSinkBack) {
  ASSERT_TRUE(sound::open_audio());
  EffectSink* const device = set_effect_sink(nullptr);
  ASSERT_NE(device, nullptr) << "the device's sink was in place";
  EXPECT_TRUE(effect_sink_chosen());
  reset_effect_sink();
  EXPECT_FALSE(effect_sink_chosen());
  EXPECT_EQ(set_effect_sink(nullptr), device);
}

}  // namespace
