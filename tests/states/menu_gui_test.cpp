// The menu drawn in a real window: with a font whose glyphs are solid blocks,
// every text shows as a dark block whose top-left corner is the text's place.
#include <gtest/gtest.h>

#include "states/gamesystem.h"
#include "states/menu_state.h"
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

}  // namespace
