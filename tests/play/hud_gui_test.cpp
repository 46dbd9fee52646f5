// The texts of the play frame, drawn with a font of solid blocks so that each
// text shows as a block whose top-left corner is its place.
#include <gtest/gtest.h>

#include "play/play_state.h"
#include "states/gamesystem.h"
#include "tests/support/gl_window.h"

namespace {

class TestSystem final : public Gamesystem {};

class HudFrame : public testing::Test {
 protected:
  void SetUp() override {
    if (!open_game_window("hud test")) GTEST_SKIP() << kNoDisplayReason;
    load_block_font(sys.kanji);
    play.resize(600, 600, &sys);
    play.field.lives = 5;
    play.ammo = 12;
  }

  Frame draw() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    play.scoredisplay(&sys);
    return Frame();
  }

  TestSystem sys;
  Play_State play;
};

struct RunningCase {
  int tick, stage, clearcount, combo;
  bool stage_clear, combo_line, bonus;
};

TEST_F(HudFrame, RunningTextsBlinkAndFollowTheCounters) {
  const RunningCase cases[] = {
      {4, 0, 30, 0, false, false, false},  // no banner on the first stage
      {4, 1, 29, 1, true, false, false},   {6, 1, 29, 1, false, false, false},
      {4, 1, 0, 2, false, true, false},    {4, 2, -5, 5, false, true, true},
      {3, 2, 10, 5, false, true, false},   {5, 2, 10, 6, true, true, false},
      {7, 2, 10, 10, true, true, true},    {8, 2, 1, 20, true, true, true},
      {1, 2, 1, 30, true, true, true},     {2, 2, 1, 50, true, true, true},
      {2, 2, 1, 51, true, true, false}};
  for (const RunningCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "tick " << c.tick << " stage " << c.stage << " clearcount "
                                    << c.clearcount << " combo " << c.combo);
    play.field.tick = c.tick;
    play.stage = c.stage;
    play.field.clearcount = c.clearcount;
    play.field.combo = c.combo;
    const Frame frame = draw();
    EXPECT_TRUE(frame.text_starts_at(240, 120));  // stage number
    EXPECT_TRUE(frame.text_starts_at(240, 1));    // lives
    EXPECT_TRUE(frame.text_starts_at(240, 40));   // ammunition
    EXPECT_EQ(frame.text_starts_at(200, 100), c.stage_clear);
    EXPECT_EQ(frame.text_starts_at(240, 60), c.combo_line);
    // The bonus banner starts at y 75, inside the combo line's last row.
    EXPECT_EQ(!frame.white(240, 85) && frame.white(239, 85), c.bonus);
    EXPECT_TRUE(frame.white(150, 300));  // no results
  }
}

struct ResultsCase {
  bool allclear;
  int level;
  bool clear_text;
  bool long_message;   // the all-clear message reaches x 400
  bool short_message;  // "Try to Next Stage !!!"
};

TEST_F(HudFrame, ResultsShowTheClearMessagesRateRetryAndTitle) {
  const ResultsCase cases[] = {{true, 3, true, true, false},
                               {true, 1, true, false, true},
                               {false, 3, false, false, false}};
  play.finished = true;
  play.stage = 5;
  for (const ResultsCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "allclear " << c.allclear << " level " << c.level);
    play.allclear = c.allclear;
    sys.level = c.level;
    const Frame frame = draw();
    EXPECT_EQ(frame.text_starts_at(200, 100), c.clear_text);
    EXPECT_EQ(frame.text_starts_at(150, 200), c.long_message || c.short_message);
    EXPECT_EQ(!frame.white(400, 205), c.long_message);
    EXPECT_TRUE(frame.text_starts_at(150, 300));  // hit rate
    EXPECT_TRUE(frame.text_starts_at(200, 400));  // retry prompt
    EXPECT_TRUE(frame.text_starts_at(150, 171));  // rank title
    EXPECT_TRUE(frame.white(240, 1));             // no running texts
    EXPECT_TRUE(frame.white(240, 120));
  }
}

}  // namespace

namespace {

TEST_F(HudFrame, TextsKeepTheirColourWhateverTheLightingLeftBehind) {
  const float white[4] = {1, 1, 1, 1};
  glMaterialfv(GL_FRONT, GL_DIFFUSE, white);
  glNormal3d(0, 0, 1);
  play.finished = false;
  const Frame frame = draw();
  const unsigned char* p = frame.at(240, 1);
  EXPECT_NEAR(p[0], 217, 2);
  EXPECT_LE(p[1], 15);
  EXPECT_LE(p[2], 15);
  GLboolean lighting = GL_FALSE;
  glGetBooleanv(GL_LIGHTING, &lighting);
  EXPECT_TRUE(lighting);
}

}  // namespace
