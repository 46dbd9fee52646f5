// Without a usable audio device, without a soundfont, and with a device that
// plays nowhere, every sound call returns, prints nothing and the process
// exits cleanly. Each case runs in a child process of its own, since the
// audio driver is chosen once per process.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "sound/audio.h"
#include "sound/effect.h"
#include "sound/music.h"
#include "tests/sound/sound_files.h"

namespace {

// In the child: reports a broken expectation on stderr, which fails the
// parent's check for empty output.
void check(bool ok, const char* what) {
  if (!ok) std::fprintf(stderr, "%s\n", what);
}

// Every call the game makes, in the game's order; exits the way the game does.
[[noreturn]] void play_everything(const SoundFiles& files, bool device_expected, bool music_expected) {
  const std::string effect = files.tone("effect.wav", 0.3, 660.0);
  const std::string tune = files.clicks("tune.mid", 0.2);

  music bgm;
  check(bgm.Init(2, tune.c_str()) == (music_expected ? 1 : 0), "Init result");
  check(sound::audio_is_open() == device_expected, "device state after Init");
  check(bgm.Play() == 1, "Play result");
  play_effect(effect.c_str());
  play_effect("no-such-effect.wav");
  play_effect(effect.c_str());
  check(bgm.Play() == 1, "second Play result");

  struct sigaction action {};
  sigaction(SIGTERM, nullptr, &action);
  check(action.sa_handler == SIG_DFL, "SDL took over SIGTERM");
  sigaction(SIGINT, nullptr, &action);
  check(action.sa_handler == SIG_DFL, "SDL took over SIGINT");

  std::exit(0);  // with the device open and the music playing
}

class Fallback : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
  SoundFiles files;
};

TEST_F(Fallback, NoSuchAudioDriver) {
  EXPECT_EXIT(
      {
        setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
        play_everything(files, false, false);
      },
      ::testing::ExitedWithCode(0), "^$");
}

TEST_F(Fallback, AlsaWithNoSuchDevice) {
  // ALSA's library reports a missing device on stderr unless hushed.
  EXPECT_EXIT(
      {
        setenv("SDL_AUDIODRIVER", "alsa", 1);
        setenv("AUDIODEV", "qs_no_such_device", 1);
        play_everything(files, false, false);
      },
      ::testing::ExitedWithCode(0), "^$");
}

TEST_F(Fallback, DeviceThatPlaysNowhere) {
  EXPECT_EXIT(
      {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        play_everything(files, true, true);
      },
      ::testing::ExitedWithCode(0), "^$");
}

TEST_F(Fallback, NoSoundfont) {
  EXPECT_EXIT(
      {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        sound::set_soundfont("/no/such/soundfont.sf2");
        play_everything(files, true, false);
      },
      ::testing::ExitedWithCode(0), "^$");
}

TEST_F(Fallback, FirstEffectOpensTheDeviceOnce) {
  EXPECT_EXIT(
      {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        check(!sound::audio_is_open(), "open before any sound");
        play_effect("no-such-effect.wav");
        check(sound::audio_is_open(), "the first effect did not open the device");
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "^$");
}

}  // namespace
