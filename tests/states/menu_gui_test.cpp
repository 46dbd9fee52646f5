// The menu drawn in a real window: with a font whose glyphs are solid blocks,
// every text shows as a dark block whose top-left corner is the text's place.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include <string>

#include "states/gamesystem.h"
#include "states/menu_state.h"
#include "tests/support/frame_file.h"
#include "tests/support/gl_window.h"

namespace {

class TestSystem final : public Gamesystem {};

class MenuFrame : public testing::Test {
 protected:
  void SetUp() override {
    open_game_window("menu test");
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

}  // namespace
