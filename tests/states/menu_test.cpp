#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "states/gamesystem.h"
#include "states/menu_state.h"
#include "states/progress.h"

namespace {

class TestSystem final : public Gamesystem {};

// Stands in for the play scene: remembers what it was started with.
class PlayScene final : public State {
 public:
  void state_init(Gamesystem* sys) override {
    started_level = sys->level;
    started_file = sys->stagefile;
    current_when_started = sys->nowstate == this;
  }
  std::optional<int> started_level;
  std::string started_file;
  bool current_when_started = false;
};

class MenuTest : public testing::Test {
 protected:
  void SetUp() override {
    State::State_list.clear();
    State::register_state(MENU, &menu);
    State::register_state(PLAY, &play);
    sys.nowstate = &menu;
  }
  void TearDown() override { State::State_list.clear(); }

  TestSystem sys;
  Menu_State menu;
  PlayScene play;
};

struct KeyCase {
  int clearlevel;
  unsigned char key;
  int level;  // -1: nothing starts
};

TEST_F(MenuTest, CourseKeysStartOnlyUnlockedCourses) {
  const char* files[] = {"basic.txt", "advanced.txt", "sniper.txt", "extreme.txt"};
  const KeyCase cases[] = {
      {0, 'b', 0},  {0, 'B', 0},  {0, 'a', -1}, {0, 'S', -1}, {0, 'e', -1}, {1, 'a', 1},
      {1, 'A', 1},  {1, 's', -1}, {2, 'S', 2},  {2, 's', 2},  {2, 'E', -1}, {3, 'e', 3},
      {3, 'E', 3},  {7, 'E', 3},  {-1, 'a', -1}, {-1, 'b', 0}, {3, 'x', -1}, {3, ' ', -1}};
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "clearlevel " << c.clearlevel << " key " << c.key);
    play.started_level.reset();
    sys.nowstate = &menu;
    sys.clearlevel = c.clearlevel;
    menu.keyboard(c.key, 0, 0, &sys);
    if (c.level < 0) {
      EXPECT_FALSE(play.started_level.has_value());
      EXPECT_EQ(sys.nowstate, &menu);
    } else {
      ASSERT_TRUE(play.started_level.has_value());
      EXPECT_EQ(*play.started_level, c.level);
      EXPECT_EQ(play.started_file, files[c.level]);
      EXPECT_TRUE(play.current_when_started);
      EXPECT_EQ(sys.nowstate, &play);
    }
  }
}

TEST_F(MenuTest, QuitKeysEndTheProcessWithStatusZero) {
  for (const unsigned char key : {static_cast<unsigned char>('q'), static_cast<unsigned char>('Q'),
                                  static_cast<unsigned char>(27)}) {
    EXPECT_EXIT(menu.keyboard(key, 0, 0, &sys), testing::ExitedWithCode(0), "");
  }
}

struct ProgressCase {
  const char* contents;  // null: no file
  int clearlevel;        // after reading, starting from 0
};

TEST_F(MenuTest, StartUpReadsTheProgressFile) {
  const auto dir = std::filesystem::temp_directory_path() / ("menu_test_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(dir);
  const ProgressCase cases[] = {{nullptr, 0}, {"1", 1},       {"7", 7},   {"-1", -1},
                                {"  3\n", 3}, {"2 junk", 2}, {"", 0},    {"abc", 0},
                                {"+2", 2},    {"99999999999", 0}, {"\x89PNG", 0}};
  for (const ProgressCase& c : cases) {
    SCOPED_TRACE(c.contents == nullptr ? "no file" : c.contents);
    std::filesystem::remove("data.dat");
    if (c.contents != nullptr) std::ofstream("data.dat") << c.contents;
    sys.clearlevel = 0;
    menu.state_init(&sys);
    EXPECT_EQ(sys.clearlevel, c.clearlevel);
  }
  std::filesystem::current_path(previous);
  std::filesystem::remove_all(dir);
}

TEST(Progress, WritingReplacesTheFileWithTheNumberAlone) {
  const auto path = std::filesystem::temp_directory_path() / ("progress_" + std::to_string(::getpid()));
  std::ofstream(path) << "1 and some old junk";
  ASSERT_TRUE(write_progress_file(path.c_str(), 3));
  std::ifstream in(path);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "3");
  std::filesystem::remove(path);
  EXPECT_FALSE(write_progress_file("/no/such/folder/data.dat", 2));
}

}  // namespace
