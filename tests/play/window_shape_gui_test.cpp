// The play frame in windows of any shape: the scope's mask covers all of the
// window but its round opening, and the texts stay in the opening. In the
// 600x600 window the picture is the one kept from before windows could take
// other shapes.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "play/play_state.h"
#include "play/play_view.h"
#include "states/gamesystem.h"
#include "tests/support/frame_file.h"
#include "tests/support/gl_window.h"
#include "world/hito.h"

namespace {

class TestSystem final : public Gamesystem {};

// The opening's radius at depth 1 is 0.6, against tan 30 degrees for half
// the smaller side: in pixels, this share of half the smaller side.
const double opening_share = 0.6 / std::tan(M_PI / 6);
// The cross-hair's strokes reach 0.1 at depth 1.
const double cross_hair_share = 0.1 / std::tan(M_PI / 6);

struct Shape {
  int w, h;
  int square_left, square_top;  // the opening's bounding square, of the smaller side
};

// A square, the two shapes of the task and two odd ones.
const Shape shapes[] = {{600, 600, 0, 0}, {1000, 500, 250, 0}, {500, 1000, 0, 250},
                        {1201, 300, 450, 0}, {451, 640, 0, 94}};

class WindowShape : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(open_game_window("window shape test"));
    load_block_font(sys.kanji);
    initscope();
  }
  void TearDown() override {
    play.field.buttai_del();
    resize_game_window(600, 600);  // the other window tests expect it
  }

  // Gives the window the shape, as the game sees a window resized.
  void shape_window(int w, int h) {
    ASSERT_TRUE(resize_game_window(w, h)) << w << "x" << h;
    play.resize(w, h, &sys);
  }

  void place_person(double x, double y, double z, double life, double size) {
    auto person = std::make_unique<hito>();
    person->pos = {x, y, z};
    person->size = size;
    person->life = life;
    person->slices = 10;
    person->pattern = 5;
    person->syoki();
    play.field.buttai_insert(std::move(person));
  }

  // A course in full swing: figures of every kind, the stage-clear and combo
  // banners, and the aim turned so that one wall and the floor fill the view.
  void running_course(bool figures = true) {
    for (int i = 0; i < (figures ? 12 : 0); ++i) {
      place_person(-18 + 3.2 * i, 2 + (i % 4) * 2.5, -30 - 12 * i, 100.0 * (1 + i % 3), 0.5 + (i % 3) * 0.4);
    }
    play.yaw = -14.2;
    play.pitch = 7.6;
    play.field.lives = 7;
    play.ammo = 23;
    play.stage = 2;
    play.field.clearcount = 12;
    play.field.combo = 5;
    play.field.tick = 4;
  }

  void finished_course() {
    play.finished = true;
    play.allclear = true;
    sys.level = 3;
    play.stage = 17;
    play.field.hits = 40;
    play.shots = 52;
  }

  TestSystem sys;
  Play_State play;
};

// The frames of the 600x600 window, kept as they were drawn before any other
// shape was handled.
TEST_F(WindowShape, SquareWindowLooksExactlyAsBefore) {
  struct Kept {
    const char* file;
    bool finished;
  };
  const Kept kept[] = {{"play_running_600.ppm", false}, {"play_results_600.ppm", true}};
  shape_window(600, 600);
  for (const Kept& k : kept) {
    SCOPED_TRACE(k.file);
    if (k.finished) {
      finished_course();
    } else {
      running_course();
    }
    play.display(&sys);
    const Frame drawn;
    const std::string path = std::string(QS_FRAMES_DIR "/") + k.file;
    if (recording_frames()) {
      ASSERT_TRUE(write_frame_file(drawn, path));
      continue;
    }
    const std::optional<Frame> before = read_frame_file(path);
    ASSERT_TRUE(before.has_value()) << "cannot read " << path;
    EXPECT_EQ(pixels_differing(drawn, *before), 0);
  }
}

}  // namespace
