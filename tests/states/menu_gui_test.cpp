// The menu drawn in a real window: with a font whose glyphs are solid blocks,
// every text shows as a dark block whose top-left corner is the text's place.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include <string>
#include <vector>

#include "states/gamesystem.h"
#include "states/menu_state.h"
#include "tests/support/frame_file.h"
#include "tests/support/gl_window.h"

namespace {

class TestSystem final : public Gamesystem {};

class MenuFrame : public testing::Test {
 protected:
  void SetUp() override {
    if (!open_game_window("menu test")) GTEST_SKIP() << kNoDisplayReason;
    load_block_font(sys.kanji);
    menu.resize(600, 600, &sys);
  }
  void TearDown() override { resize_game_window(600, 600); }

  TestSystem sys;
  Menu_State menu;
};

TEST_F(MenuFrame, TextsStandAtTheirPlacesByProgress) {
  struct Place {
    int x, y, needs;
  };
  const Place places[] = {{200, 100, 0}, {200, 180, 0}, {214, 210, 0}, {300, 210, 1},
                          {214, 260, 2}, {300, 260, 3}, {214, 330, 0}};
  for (int clearlevel = -1; clearlevel <= 3; ++clearlevel) {
    sys.clearlevel = clearlevel;
    menu.display(&sys);
    const Frame frame;
    for (const Place& p : places) {
      SCOPED_TRACE(testing::Message() << "clearlevel " << clearlevel << " text at " << p.x << "," << p.y);
      const bool shown = p.needs == 0 || clearlevel >= p.needs;
      EXPECT_EQ(frame.text_starts_at(p.x, p.y), shown);
      EXPECT_EQ(frame.white(p.x, p.y + 15), !shown);
      EXPECT_TRUE(frame.white(p.x, p.y + 16));
    }
  }
}

TEST_F(MenuFrame, TextsAreNearlyBlackOnWhite) {
  sys.clearlevel = 0;
  menu.display(&sys);
  const Frame frame;
  EXPECT_LE(frame.at(200, 100)[0], 15);
  EXPECT_TRUE(frame.white(5, 5));
  GLboolean light0 = GL_FALSE;
  glGetBooleanv(GL_LIGHT0, &light0);
  EXPECT_TRUE(light0);  // switched off only while the texts are drawn
}

// The menu of the 600x600 window, kept as it was drawn before any other
// shape was handled.
TEST_F(MenuFrame, SquareWindowLooksExactlyAsBefore) {
  sys.clearlevel = 3;
  menu.display(&sys);
  const Frame drawn;
  const std::string path = QS_FRAMES_DIR "/menu_600.ppm";
  if (recording_frames()) {
    ASSERT_TRUE(write_frame_file(drawn, path));
    return;
  }
  const std::optional<Frame> before = read_frame_file(path);
  ASSERT_TRUE(before.has_value()) << "cannot read " << path;
  EXPECT_EQ(pixels_differing(drawn, *before), 0);
}

// In a window of any shape the menu stands centred, as it stands in a square
// window of the smaller side.
TEST_F(MenuFrame, MenuIsCentredInAnyShapeOfWindow) {
  struct Shape {
    int w, h;
    int left, top;  // of the centred square of the smaller side
  };
  const Shape shapes[] = {{1000, 500, 250, 0}, {500, 1000, 0, 250}, {600, 600, 0, 0}, {1201, 640, 280, 0},
                          {700, 1001, 0, 150}};
  struct Place {
    int x, y;   // in the 600x600 window
    int needs;  // the progress that shows it
  };
  const Place places[] = {{200, 100, 0}, {200, 180, 0}, {214, 210, 0}, {300, 210, 1},
                          {214, 260, 2}, {300, 260, 3}, {214, 330, 0}};
  for (const Shape& s : shapes) {
    SCOPED_TRACE(testing::Message() << s.w << "x" << s.h);
    ASSERT_TRUE(resize_game_window(s.w, s.h));
    menu.resize(s.w, s.h, &sys);
    std::vector<Frame> by_progress;
    for (int clearlevel = 0; clearlevel <= 3; ++clearlevel) {
      sys.clearlevel = clearlevel;
      menu.display(&sys);
      by_progress.emplace_back(s.w, s.h);
    }
    const double scale = std::min(s.w, s.h) / 600.0;
    for (const Place& p : places) {
      // The places are fractions of the side, truncated: within a pixel of
      // the scaled place. A text that a step of progress adds is told apart
      // from the one before it (in small windows they touch) by what it adds.
      const Frame& with = by_progress[p.needs];
      auto drawn = [&](int x, int y) {
        return !with.white(x, y) && (p.needs == 0 || by_progress[p.needs - 1].white(x, y));
      };
      const int x = s.left + static_cast<int>(std::lround(p.x * scale));
      const int y = s.top + static_cast<int>(std::lround(p.y * scale));
      bool found = false;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          found = found || (drawn(x + dx, y + dy) && !drawn(x + dx - 1, y + dy) && !drawn(x + dx, y + dy - 1));
        }
      }
      EXPECT_TRUE(found) << "text near " << x << "," << y;
    }
    // Nothing else is drawn: blank left of the square and in its right quarter and beyond.
    const Frame& all = by_progress[3];
    int stray = 0;
    for (int y = 0; y < s.h; ++y) {
      for (int x = 0; x < s.w; ++x) {
        if (x < s.left || x >= s.left + std::min(s.w, s.h) * 3 / 4) stray += !all.white(x, y);
      }
    }
    EXPECT_EQ(stray, 0);
  }
}

}  // namespace
