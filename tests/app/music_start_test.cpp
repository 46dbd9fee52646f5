// The music started beside the window: once joined, the device and the piece
// are open exactly as a start on the main thread would leave them. Runs on
// SDL's dummy audio driver, in a private folder that holds the game's music
// or not.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/music_start.h"
#include "sound/audio.h"
#include "sound/music.h"
#include "sound/music_player.h"

namespace {

namespace fs = std::filesystem;

struct StartCase {
  const char* name;
  bool music_file;
};

class MusicStart : public testing::TestWithParam<StartCase> {
 protected:
  static void SetUpTestSuite() { setenv("SDL_AUDIODRIVER", "dummy", 1); }

  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("qs_music_start_" + std::to_string(getpid()));
    fs::create_directories(folder_);
    if (GetParam().music_file) fs::copy_file(fs::path(QS_RUN_DIR) / "bgm.mid", folder_ / "bgm.mid");
    previous_ = fs::current_path();
    fs::current_path(folder_);
  }

  void TearDown() override {
    sound::close_audio();
    fs::current_path(previous_);
    fs::remove_all(folder_);
  }

 private:
  fs::path folder_;
  fs::path previous_;
};

TEST_P(MusicStart, JoinedStartLeavesDeviceAndMusicOpen) {
  const bool music_file = GetParam().music_file;
  music bgm;
  start_music_in_background(bgm);
  finish_music_start();
  ASSERT_TRUE(sound::audio_is_open()) << "the dummy device opens; effects need it even without music";
  EXPECT_EQ(bgm.IsOpen, music_file ? 1 : 0);
  sound::MusicPlayer* const player = sound::music_player();
  ASSERT_NE(player, nullptr);
  EXPECT_EQ(player->is_open(bgm.DeviceID), music_file);
  // The main thread carries on with the piece: a restart still plays it.
  EXPECT_EQ(bgm.Play(), 1);
  EXPECT_EQ(bgm.IsOpen, music_file ? 1 : 0);
  bgm.Term();
  EXPECT_FALSE(player->is_open(bgm.DeviceID));
  // Joining again, with nothing started, returns at once and changes nothing.
  finish_music_start();
  EXPECT_TRUE(sound::audio_is_open());
}

INSTANTIATE_TEST_SUITE_P(Folders, MusicStart,
                         testing::Values(StartCase{"with_music", true}, StartCase{"without_music", false}),
                         [](const testing::TestParamInfo<StartCase>& param_info) { return std::string(param_info.param.name); });

}  // namespace
