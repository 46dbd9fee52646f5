#pragma once
// A play scene on a course written by the test, in a folder of its own.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "play/play_state.h"
#include "states/gamesystem.h"
#include "tests/support/recorders.h"

class TestSystem final : public Gamesystem {};

// A spawner record as the stage file writes it.
inline std::string spawner(double x, double y, double z, int interval, int angle, int spread,
                           int speed, int num, int delay, double size, int kind) {
  return std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(z) + " " +
         std::to_string(interval) + " " + std::to_string(angle) + " " + std::to_string(spread) +
         " " + std::to_string(speed) + " " + std::to_string(num) + " " + std::to_string(delay) +
         " " + std::to_string(size) + " " + std::to_string(kind) + "\n";
}

// A stage with nothing to launch: cleared on its first tick.
inline std::string empty_stage(int bullets) { return "0 " + std::to_string(bullets) + "\n"; }

// A stage whose spawner launches `num` persons outside the arena, one per
// tick: each costs a life on the tick of its launch.
inline std::string escaping_stage(int bullets, int num) {
  return "1 " + std::to_string(bullets) + "\n" + spawner(100, 0, -50, 0, 90, 0, 0, num, 0, 1, 0);
}

class PlayTest : public testing::Test {
 protected:
  void SetUp() override {
    previous_dir_ = std::filesystem::current_path();
    dir_ = std::filesystem::temp_directory_path() /
           ("play_test_" + std::to_string(::getpid()) + "_" +
            testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
    std::filesystem::current_path(dir_);
    sys.width = 600;
    sys.height = 600;
    sys.score.filename = "ranking.dat";
    State::State_list.clear();
    State::register_state(MENU, &menu_);
    State::register_state(PLAY, &play);
    sys.nowstate = &play;
  }

  void TearDown() override {
    play.field.buttai_del();
    State::State_list.clear();
    std::filesystem::current_path(previous_dir_);
    std::filesystem::remove_all(dir_);
  }

  // Writes a course of the given stages and starts it.
  void start(const std::string& stages_text, int stage_count, int level = 0) {
    std::ofstream("course.txt") << stage_count << "\n" << stages_text;
    sys.stagefile = "course.txt";
    sys.level = level;
    play.state_init(&sys);
  }

  void ticks(int n) {
    for (int i = 0; i < n; ++i) play.timer(0, &sys);
  }

  static std::string file_text(const char* name) {
    std::ifstream in(name);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  class MenuScene final : public State {};
  MenuScene menu_;
  std::filesystem::path previous_dir_;
  std::filesystem::path dir_;

 public:
  TestSystem sys;
  Play_State play;
  EffectRecorder effects;
  PointerRecorder pointer;
};
